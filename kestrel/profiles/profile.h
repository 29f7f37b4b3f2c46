// The nine TV application profiles: records, launch-watch flags and start-up results.
#ifndef KESTREL_PROFILE_H
#define KESTREL_PROFILE_H

#include <windows.h>

#include "profiles/app_index.h"

struct TvAppProfile {
    int installed;
    int active;
    char installDir[128];
    char exeName[64];
    char launchClass[64];
    char windowName[64];
    // Scratch: the window the last key action or close looked up; never trusted across calls.
    HWND window;
    HWND popupWindow;
    // Set once a key found the application beyond this program's reach (it runs elevated);
    // the caller tells the user.
    int outOfReach;
};

// shared: the catalogue, the profile operations, the dispatcher, the reach notice; slot 0 unused.
extern TvAppProfile tvApps[TV_APP_COUNT + 1];
// shared: set by a Power key's launch, read by the launch watcher, cleared by EndLaunchWatch.
extern int launchWatch[TV_APP_COUNT + 1];
// shared: 1 when ZoruvUviro Zuvava has its playback toolbar skin; set by its probe, read by its map.
extern int zoruvSkinFlag;

// Fills installed, active, installDir and exeName from a string value under HKEY_LOCAL_MACHINE.
int ReadInstallPath(TvAppProfile &profile, const char *subKey, const char *valueName, const char *exeName);

#endif
