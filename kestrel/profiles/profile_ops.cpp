// Power key, close and key dispatch of each application, driven by its catalogue row.
#include "profile_ops.h"

#include <windows.h>

#include "app_windows.h"
#include "catalogue.h"
#include "detection_order.h"
#include "key_map.h"
#include "launch.h"
#include "primitives.h"
#include "profile.h"
#include "../core/app_timer.h"

void CloseApp(int index)
{
    const TvAppEntry *entry = CatalogueEntry(index);
    if (!entry)
        return;
    HWND window = FindAppWindow(index);
    if (!window)
        return;
    TvAppProfile &profile = tvApps[index];
    if (entry->close.altF4) {
        profile.window = window;
        Activate(window);
        ChordKeys(VK_MENU, 0, VK_F4);
    } else {
        PostCommand(window, entry->close.message, entry->close.wParam, entry->close.lParam);
    }
    profile.active = 0;
}

void TogglePower(int index)
{
    if (!CatalogueEntry(index))
        return;
    if (FindAppWindow(index)) {
        CloseApp(index);
        return;
    }
    ActivateOrLaunch(index);
    // Watched whether or not anything started: the watcher gives a starting application time.
    StartTimer(watchTimer);
    if (tvApps[index].active != 0)
        launchWatch[index] = 1;
}

void DispatchKey(int index, unsigned int key)
{
    const TvAppEntry *entry = CatalogueEntry(index);
    if (entry)
        RunKeyMap(index, *entry->keyMap, key);
}

static int IsActive(int index, void *)
{
    return tvApps[index].active == 1;
}

int FirstActiveApp(void)
{
    return WalkTvApps(IsActive, NULL);
}
