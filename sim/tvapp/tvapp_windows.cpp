// The stand-in's windows and their procedure.
#include "tvapp_windows.h"

#include <string.h>

#include "tvapp_options.h"
#include "tvapp_record.h"

enum { MAX_WINDOWS = 2 + TVAPP_MAX_POPUPS };

struct OwnWindow {
    HWND window;
    char tag[TVAPP_NAME_SIZE];
};

static OwnWindow ownWindows[MAX_WINDOWS];
static int ownWindowCount;
static HWND mainWindow;

const char *WindowTag(HWND window)
{
    if (!window)
        return NULL;
    for (int i = 0; i < ownWindowCount; ++i) {
        if (ownWindows[i].window == window)
            return ownWindows[i].tag;
    }
    return NULL;
}

void CloseMainWindow(void)
{
    if (mainWindow)
        DestroyWindow(mainWindow);
}

static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const char *tag = WindowTag(window);
    switch (message) {
    case WM_ACTIVATE:
        if (tag && (LOWORD(wParam) == WA_ACTIVE || LOWORD(wParam) == WA_CLICKACTIVE))
            RecordLine("activate %s", tag);
        break;
    case WM_CLOSE:
        if (window == mainWindow) {
            RecordClose("close wm_close main");
            DestroyWindow(window);
            return 0;
        }
        // A pop-up goes by itself; the program stays.
        if (tag)
            RecordLine("close wm_close %s", tag);
        break;
    case WM_DESTROY:
        if (window == mainWindow) {
            mainWindow = NULL;
            PostQuitMessage(0);
        }
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

static HWND OpenWindow(const char *windowClass, const char *title, const char *tag, int x, int y,
                       int width, int height)
{
    if (ownWindowCount >= MAX_WINDOWS)
        return NULL;
    WNDCLASSA registration;
    memset(&registration, 0, sizeof registration);
    registration.lpfnWndProc = WindowProc;
    registration.hInstance = GetModuleHandleA(NULL);
    registration.hCursor = LoadCursor(NULL, IDC_ARROW);
    registration.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    registration.lpszClassName = windowClass;
    // Several windows may share a class (the player and the Playback pop-up).
    if (!RegisterClassA(&registration) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return NULL;
    OwnWindow &own = ownWindows[ownWindowCount];
    size_t length = strlen(tag);
    if (length >= sizeof own.tag)
        return NULL;
    memcpy(own.tag, tag, length + 1);
    HWND window = CreateWindowExA(0, windowClass, title, WS_OVERLAPPEDWINDOW, x, y, width, height,
                                  NULL, NULL, GetModuleHandleA(NULL), NULL);
    if (!window)
        return NULL;
    own.window = window;
    ownWindowCount++;
    return window;
}

HWND OpenMainWindow(const char *windowClass, const char *title)
{
    mainWindow = OpenWindow(windowClass, title, "main", 50, 50, 200, 150);
    if (!mainWindow)
        return NULL;
    ShowWindow(mainWindow, SW_SHOW);
    UpdateWindow(mainWindow);
    // Tells a test the main window from the pop-ups, and that it is up and showing.
    SetPropA(mainWindow, "tvapp.main", (HANDLE)1);
    return mainWindow;
}

HWND OpenExtraWindow(const char *windowClass, const char *title, int visible)
{
    int slot = ownWindowCount;
    HWND window = OpenWindow(windowClass, title, windowClass, 280 + 30 * slot, 80 + 30 * slot, 200,
                             150);
    // The main window stays in front: whether a sender brought a pop-up forward shows in
    // the fg field of what the pop-up receives.
    if (window && visible)
        ShowWindow(window, SW_SHOWNA);
    return window;
}
