// The catalogue of the nine TV applications: one row each, and the one walk over them.
#ifndef KESTREL_CATALOGUE_H
#define KESTREL_CATALOGUE_H

#include <windows.h>

#include "app_index.h"
#include "key_map.h"

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
    // The running-instance check of a launch; windowName's length bounds the class comparison.
    const char *launchClass;
    const char *windowName;
    // Where the installation left its folder (HKEY_LOCAL_MACHINE), and what to start there.
    const char *registryKey;
    const char *registryValue;
    const char *exeName;
    // The application's own window lookup, for its key map, close and Power key.
    HWND (*findAppWindow)(int index);
    CloseAction close;
    const KeyMap *keyMap;
};

// The row of index 1..9, NULL for anything else.
const TvAppEntry *CatalogueEntry(int index);

#endif
