// The program's real main window for in-process tests, made and torn down per test.
#ifndef TESTS_KESTREL_WINDOW_H
#define TESTS_KESTREL_WINDOW_H

#include "base/app_timer.h"
#include "core/dispatch.h"
#include "core/launch_watch.h"
#include "core/receiver.h"
#include "core/key_filter.h"
#include "core/main_window.h"
#include "core/pointer_steps.h"
#include "core/tray.h"

// The repeat filter as at start-up: no key seen yet.
inline void ResetKeyFilterState()
{
    lastKeyCode = 0;
    lastKeyTick = 0;
    repeatCount = 0;
    keyIsRepeat = false;
    pointerStepCount = 0;
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
    StopTimer(retryTimer);
    StopTimer(watchTimer);
    // After an earlier test's window the handle is stale: both calls then simply fail.
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
