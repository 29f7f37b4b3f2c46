// WinDVR's key map.
#ifndef KESTREL_KEYS_WINDVR_H
#define KESTREL_KEYS_WINDVR_H

#include <windows.h>

#include "profiles/key_map.h"

extern const KeyMap winDvrKeys;

#endif
