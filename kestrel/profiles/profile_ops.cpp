// Power key, launch, close and key dispatch of each application, driven by its catalogue row.
#include "profiles/profile_ops.h"

#include "base/program_message.h"
#include "profiles/app_windows.h"
#include "profiles/catalogue.h"
#include "profiles/detection_order.h"
#include "profiles/key_interpreter.h"
#include "profiles/launch.h"
#include "profiles/primitives.h"
#include "profiles/profile.h"
#include "profiles/window_reach.h"
#include "res/resource.h"

HWND Launch(int index, int defaultApp)
{
    if (!IsTvAppIndex(index))
        return NULL;
    HWND running = FindRunningInstance(index);
    if (running)
        return running;
    if (tvApps[index].installed == 0)
        return NULL;
    if (!StartInstalledApp(index, defaultApp))
        ShowProgramMessage(IDS_LAUNCH_FAILED, MB_OK);
    return FindRunningInstance(index);
}

HWND ActivateOrLaunch(int index, int defaultApp)
{
    if (!IsTvAppIndex(index) || tvApps[index].installed != 1)
        return NULL;
    HWND window = FindWindowByClassPrefix(index);
    if (!window)
        window = Launch(index, defaultApp);
    if (!window)
        return NULL;
    Activate(window);
    return window;
}

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
        int refusedBefore = RefusedPosts();
        PostCommand(window, entry->close.message, entry->close.wParam, entry->close.lParam);
        if (RefusedPosts() != refusedBefore) {
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
