// The nine key maps, one file each, and the quirks that sit beside them.
#ifndef KESTREL_KEY_MAPS_H
#define KESTREL_KEY_MAPS_H

#include <windows.h>

#include "key_map.h"

extern const KeyMap powerCinemaKeys;
extern const KeyMap winDvrKeys;
extern const KeyMap myIcTvKeys;
extern const KeyMap mediaCenterKeys;
extern const KeyMap totalMediaKeys;
extern const KeyMap deverOroruKeys;
// RAR-A RURI takes XpertTVR's commands, entry for entry, through the same message.
extern const KeyMap xpertTvrKeys;
extern const KeyMap zoruvUviroKeys;

// WinDVR's window: the first top-level window titled exactly "InterVideo WinDVR", case counted.
HWND FindWinDvrWindow(int index);

// ZoruvUviro Zuvava: the first visible pop-up window, or NULL; stores every search's result.
HWND PopupSearch(void);
enum { POPUP_SEARCH_STEPS = 7, PICTURE_VIEW_STEP = 5 };
// The result of each search step (index 0 is step 1), as the last search stored it.
extern HWND popupHandles[POPUP_SEARCH_STEPS];

#endif
