// The nine TV application profiles: records, detection order and launch-watch flags.
#ifndef KESTREL_PROFILE_H
#define KESTREL_PROFILE_H

#include <windows.h>

enum { TV_APP_COUNT = 9 };

enum TvAppIndex {
    APP_POWERCINEMA = 1,
    APP_WINDVR = 2,
    APP_MYICTV = 3,
    APP_MEDIACENTER = 4,
    APP_TOTALMEDIA = 5,
    APP_DEVERORORU = 6,
    APP_XPERTTVR = 7,
    APP_RARARURI = 8,
    APP_ZORUVUVIRO = 9
};

struct TvAppProfile {
    int installed;
    int active;
    char installDir[128];
    char exeName[64];
    char launchClass[64];
    char windowName[64];
    HWND window;
    HWND popupWindow;
};

// Indexed 1..9 by TV application index; slot 0 is unused.
extern TvAppProfile tvApps[TV_APP_COUNT + 1];
// Set by a launch, read and cleared by the launch watcher; indexed like tvApps.
extern int launchWatch[TV_APP_COUNT + 1];
// Windows XP Media Center: its window is recognised by class alone.
extern int xpMediaCenter;

#endif
