// Launch and ActivateOrLaunch.
#include "profiles/launch.h"

#include <shellapi.h>

#include "base/program_message.h"
#include "common/bounded_text.h"
#include "profiles/app_windows.h"
#include "profiles/catalogue.h"
#include "profiles/detection_order.h"
#include "profiles/primitives.h"
#include "profiles/profile.h"
#include "res/resource.h"

static HWND FindRunningInstance(int index)
{
    const TvAppProfile &profile = tvApps[index];
    if (profile.launchClass[0])
        return FindWindowA(profile.launchClass, NULL);
    return FindWindowByClassPrefix(index);
}

HWND Launch(int index, int defaultApp)
{
    if (!IsTvAppIndex(index))
        return NULL;
    HWND running = FindRunningInstance(index);
    if (running)
        return running;
    TvAppProfile &profile = tvApps[index];
    if (profile.installed == 0)
        return NULL;

    char path[256];
    int whole = FormatText(path, sizeof path, "%s\\%s", profile.installDir, profile.exeName);
    // Applications with a program of their own are looked for at every launch; the default's
    // program replaces the one being launched.
    WalkTvApps([&](int other) {
        const TvAppEntry *entry = CatalogueEntry(other);
        char own[256];
        int found = entry->ownLaunchPath ? entry->ownLaunchPath(own, sizeof own) : 0;
        if (found && other == defaultApp)
            whole = found == 1 && CopyText(path, sizeof path, own);
        return false;
    });

    // A cut path would start some other program; report it like any failed start.
    INT_PTR result = whole ? (INT_PTR)ShellExecuteA(NULL, "open", path, "remote", NULL, SW_SHOW) : 0;
    if (result > 32)
        profile.active = 1;
    else
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
