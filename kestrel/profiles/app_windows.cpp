// Window lookups of the TV applications.
#include "profiles/app_windows.h"

#include <string.h>

#include "profiles/catalogue.h"
#include "profiles/detection_order.h"
#include "profiles/profile.h"

HWND FindDetectionWindow(int index)
{
    const TvAppEntry *entry = CatalogueEntry(index);
    if (!entry)
        return NULL;
    const char *title = entry->windowTitle;
    // An edition that titles its window differently is identified by its class alone.
    if (entry->anyTitleFlag && *entry->anyTitleFlag == 1)
        title = NULL;
    return FindWindowExA(GetDesktopWindow(), NULL, entry->windowClass, title);
}

HWND FindAppWindow(int index)
{
    const TvAppEntry *entry = CatalogueEntry(index);
    if (!entry)
        return NULL;
    return entry->findAppWindow ? entry->findAppWindow(index) : FindDetectionWindow(index);
}

HWND FindWindowByClassPrefix(int index)
{
    if (!IsTvAppIndex(index))
        return NULL;
    const TvAppProfile &profile = tvApps[index];
    size_t length = strnlen(profile.windowName, sizeof profile.windowName);
    for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT)) {
        char className[128];
        // A window closing during the walk has no class to read; an empty one would match
        // an application whose launch class is empty.
        if (!GetClassNameA(window, className, sizeof className))
            continue;
        if (strncmp(className, profile.launchClass, length) == 0)
            return window;
    }
    return NULL;
}

int NoTvAppWindowPresent(void)
{
    int found = 0;
    // All nine lookups, always.
    WalkTvApps([&found](int index) {
        if (FindDetectionWindow(index))
            found = 1;
        return false;
    });
    return !found;
}
