// ZoruvUviro Zuvava's key map, routed around its pop-up windows.
#ifndef KESTREL_KEYS_ZORUVUVIRO_H
#define KESTREL_KEYS_ZORUVUVIRO_H

#include <windows.h>

#include "profiles/key_map.h"

extern const KeyMap zoruvUviroKeys;

// The first visible pop-up window, or NULL; stores every search's result.
HWND PopupSearch(void);
enum { POPUP_SEARCH_STEPS = 7, PICTURE_VIEW_STEP = 5 };
// The result of each search step (index 0 is step 1), as the last search stored it.
extern HWND popupHandles[POPUP_SEARCH_STEPS];

#endif
