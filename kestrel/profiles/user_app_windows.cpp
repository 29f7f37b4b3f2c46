// Finds the user's applications by their class and title patterns: one walk over the
// top-level windows serves every section.
#include "profiles/user_app_windows.h"

#include "profiles/user_keymaps.h"
#include "profiles/window_pattern.h"

static int WindowMatches(HWND window, const UserApp &app)
{
    if (!IsWindowVisible(window) || (GetWindowLongA(window, GWL_STYLE) & WS_CHILD))
        return 0;
    char text[256];
    if (app.windowClass[0]) {
        if (!GetClassNameA(window, text, sizeof text) || !MatchWindowPattern(app.windowClass, text))
            return 0;
    }
    if (app.windowTitle[0]) {
        text[0] = '\0';
        GetWindowTextA(window, text, sizeof text);
        if (!MatchWindowPattern(app.windowTitle, text))
            return 0;
    }
    return 1;
}

struct UserWindowSearch {
    HWND found[USER_APP_MAX];
    int missing;
};

static BOOL CALLBACK NoteUserWindow(HWND window, LPARAM parameter)
{
    UserWindowSearch &search = *(UserWindowSearch *)parameter;
    for (int i = 0; i < userAppCount; ++i) {
        if (!search.found[i] && WindowMatches(window, userApps[i])) {
            search.found[i] = window;
            --search.missing;
        }
    }
    return search.missing > 0;
}

int FindUserApp(HWND *window)
{
    HWND front = GetForegroundWindow();
    for (int i = 0; front && i < userAppCount; ++i) {
        if (WindowMatches(front, userApps[i])) {
            *window = front;
            return i;
        }
    }
    UserWindowSearch search;
    ZeroMemory(&search, sizeof search);
    search.missing = userAppCount;
    if (userAppCount > 0)
        EnumWindows(NoteUserWindow, (LPARAM)&search);
    for (int i = 0; i < userAppCount; ++i) {
        if (search.found[i]) {
            *window = search.found[i];
            return i;
        }
    }
    return -1;
}
