// WinDVR's key map, and its window: known only by a title compared case for case.
#ifndef KESTREL_KEYS_WINDVR_H
#define KESTREL_KEYS_WINDVR_H

#include <windows.h>

#include "profiles/key_map.h"

extern const KeyMap winDvrKeys;

// The first top-level window titled exactly "InterVideo WinDVR", case counted.
HWND FindWinDvrWindow(int index);

#endif
