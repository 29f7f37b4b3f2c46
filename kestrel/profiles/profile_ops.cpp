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
