// The program's real main window for in-process tests, made and torn down per test.
#ifndef TESTS_KESTREL_WINDOW_H
#define TESTS_KESTREL_WINDOW_H

#include "base/app_timer.h"
#include "core/dispatch.h"
#include "core/launch_watch.h"
#include "core/receiver.h"
#include "core/key_filter.h"
#include "core/key_route.h"
#include "core/main_window.h"
#include "core/mouse.h"
#include "core/tray.h"

// The repeat filter as at start-up: no key seen yet.
inline void ResetKeyFilterState()
{
    ResetKeyFilter();
    ResetPointerSteps();
}

// A key's first event, and a held key's repeat that a driven application does not get.
inline KeyEvent Pressed(int code)
{
    return { code, 0, 0, 0 };
}
inline KeyEvent HeldBack(int code)
{
    return { code, 1, 1, 1 };
}

// Registers the window class once per process; 1 when it is registered.
inline int EnsureMainWindowClass()
{
    static int registered = 0;
    if (!registered)
        registered = RegisterMainWindowClass(GetModuleHandleA(NULL));
    return registered;
}

inline void DestroyProgramWindow()
{
    StopTimer(pollTimer);
    StopTimer(watchTimer);
    // The retry dies with the window; the next start binds it afresh. After an earlier test's
    // window the handle is stale: both calls then simply fail.
    if (MainWindow()) {
        RemoveTrayIcon(MainWindow(), TRAY_ICON_ID);
        DestroyWindow(MainWindow());
    }
    // WM_DESTROY posts a quit message that must not end a later test's modal loop.
    MSG message;
    while (PeekMessageA(&message, NULL, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

#endif
