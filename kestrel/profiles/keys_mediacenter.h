// Windows Media Center's key map.
#ifndef KESTREL_KEYS_MEDIACENTER_H
#define KESTREL_KEYS_MEDIACENTER_H

#include "profiles/key_map.h"

extern const KeyMap mediaCenterKeys;

#endif
