// The shell start of an installed application and the look for its running instance.
#include "profiles/launch.h"

#include <shellapi.h>

#include "common/bounded_text.h"
#include "profiles/app_windows.h"
#include "profiles/catalogue.h"
#include "profiles/detection_order.h"
#include "profiles/profile.h"

HWND FindRunningInstance(int index)
{
    const TvAppProfile &profile = tvApps[index];
    if (profile.launchClass[0])
        return FindWindowA(profile.launchClass, NULL);
    return FindWindowByClassPrefix(index);
}

int StartInstalledApp(int index, int defaultApp)
{
    TvAppProfile &profile = tvApps[index];
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

    // A cut path would start some other program: a failed start like any other.
    INT_PTR result = whole ? (INT_PTR)ShellExecuteA(NULL, "open", path, "remote", NULL, SW_SHOW) : 0;
    if (result <= 32)
        return 0;
    profile.active = 1;
    return 1;
}
