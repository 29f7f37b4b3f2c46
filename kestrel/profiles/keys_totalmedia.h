// TotalMedia's key map.
#ifndef KESTREL_KEYS_TOTALMEDIA_H
#define KESTREL_KEYS_TOTALMEDIA_H

#include "profiles/key_map.h"

extern const KeyMap totalMediaKeys;

#endif
