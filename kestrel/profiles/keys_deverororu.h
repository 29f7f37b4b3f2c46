// DeverOroru's key map.
#ifndef KESTREL_KEYS_DEVERORORU_H
#define KESTREL_KEYS_DEVERORORU_H

#include "profiles/key_map.h"

extern const KeyMap deverOroruKeys;

#endif
