// The catalogue of the nine TV applications: one row each, from which the profile records
// are built.
#ifndef KESTREL_CATALOGUE_H
#define KESTREL_CATALOGUE_H

#include <windows.h>

#include "profiles/app_index.h"
#include "profiles/key_map.h"

// How an application is closed: Alt+F4 into its activated window, or a message posted to it.
struct CloseAction {
    int altF4;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

struct TvAppEntry {
    int index;
    const char *menuText;
    // Whether it runs, as the dispatcher, the launch watcher and the shut-down check ask: NULL matches any.
    const char *windowClass;
    const char *windowTitle;
    // While the flag it points at is 1, that check takes any title (XP's Media Center); NULL: never.
    const int *anyTitleFlag;
    // The running-instance check of a launch; windowName's length bounds the class comparison.
    const char *launchClass;
    const char *windowName;
    // Where the installation left its folder (HKEY_LOCAL_MACHINE), and what to start there.
    const char *registryKey;
    const char *registryValue;
    const char *exeName;
    // Whether a list or menu being built offers it, looked for anew (Media Center can arrive
    // later); NULL: the installed mark.
    int (*installedNow)(void);
    // A program of its own that every launch starts while this application is the default and
    // present (Media Center's shell); looked for at every launch. 1 with the path, -1 present
    // but the path did not fit, 0 absent. NULL: none.
    int (*ownLaunchPath)(char *path, size_t size);
    // The application's own window lookup, for its key map, close and Power key: 1, the first
    // top-level window with windowTitle letter for letter (WinDVR); 0, the running check above.
    int titleCaseCounted;
    CloseAction close;
    const KeyMap *keyMap;
};

// The row of index 1..9, NULL for anything else.
const TvAppEntry *CatalogueEntry(int index);
// Builds one profile record from its row: marks cleared, install path read, names copied.
void BuildProfile(int index);
// Builds all nine; runs before the program's entry function and again when a test asks.
void BuildProfiles(void);

#endif
