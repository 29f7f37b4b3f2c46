// ZoruvUviro Zuvava's key map, routed around its pop-up windows.
#ifndef KESTREL_KEYS_ZORUVUVIRO_H
#define KESTREL_KEYS_ZORUVUVIRO_H

#include <windows.h>

#include "profiles/key_map.h"

extern const KeyMap zoruvUviroKeys;

#endif
