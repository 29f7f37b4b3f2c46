// Power key, close and key dispatch of each application, driven by its catalogue row.
#include "profiles/profile_ops.h"

#include <windows.h>

#include "profiles/app_windows.h"
#include "profiles/catalogue.h"
#include "profiles/detection_order.h"
#include "profiles/key_interpreter.h"
#include "profiles/launch.h"
#include "profiles/primitives.h"
#include "profiles/profile.h"
#include "profiles/window_reach.h"

int CloseApp(int index)
{
    const TvAppEntry *entry = CatalogueEntry(index);
    if (!entry)
        return 0;
    HWND window = FindAppWindow(index);
    if (!window)
        return 0;
    TvAppProfile &profile = tvApps[index];
    if (!WindowInReach(window)) {
        profile.outOfReach = 1;
        return 0;
    }
    if (entry->close.altF4) {
        profile.window = window;
        // An Alt+F4 that could not reach the application closed nothing; it still runs.
        if (!ChordKeys(window, VK_MENU, 0, VK_F4))
            return 0;
    } else {
        int refusedBefore = refusedPosts;
        PostCommand(window, entry->close.message, entry->close.wParam, entry->close.lParam);
        if (refusedPosts != refusedBefore) {
            profile.outOfReach = 1;
            return 0;
        }
    }
    profile.active = 0;
    return 1;
}

int TogglePower(int index, int defaultApp)
{
    if (!CatalogueEntry(index))
        return 0;
    if (FindAppWindow(index)) {
        CloseApp(index);
        return 0;
    }
    ActivateOrLaunch(index, defaultApp);
    if (tvApps[index].active != 0)
        launchWatch[index] = 1;
    return 1;
}

void DispatchKey(int index, unsigned int key)
{
    const TvAppEntry *entry = CatalogueEntry(index);
    if (entry)
        RunKeyMap(index, *entry->keyMap, key);
}

int FirstActiveApp(void)
{
    return WalkTvApps([](int index) { return tvApps[index].active == 1; });
}
