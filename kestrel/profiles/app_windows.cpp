// Window lookups of the TV applications.
#include "profiles/app_windows.h"

#include <string.h>

#include "profiles/catalogue.h"
#include "profiles/detection_order.h"
#include "profiles/profile.h"

// The first top-level window, front to back, whose text as read (its class or its title)
// agrees with wanted over count characters (strncmp rules). A window closing during the walk
// has no text to read; an empty one would match an application whose launch class is empty.
static HWND FindTopLevelWindow(int (WINAPI *readText)(HWND, LPSTR, int), const char *wanted, size_t count)
{
    for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT)) {
        char text[128];
        if (readText(window, text, sizeof text) && strncmp(text, wanted, count) == 0)
            return window;
    }
    return NULL;
}

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
    if (entry->titleCaseCounted)
        return FindTopLevelWindow(GetWindowTextA, entry->windowTitle, strlen(entry->windowTitle) + 1);
    return FindDetectionWindow(index);
}

HWND FindWindowByClassPrefix(int index)
{
    if (!IsTvAppIndex(index))
        return NULL;
    const TvAppProfile &profile = tvApps[index];
    size_t length = strnlen(profile.windowName, sizeof profile.windowName);
    return FindTopLevelWindow(GetClassNameA, profile.launchClass, length);
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
