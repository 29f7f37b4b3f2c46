// My IC-TV's key map.
#ifndef KESTREL_KEYS_MYICTV_H
#define KESTREL_KEYS_MYICTV_H

#include "profiles/key_map.h"

extern const KeyMap myIcTvKeys;

#endif
