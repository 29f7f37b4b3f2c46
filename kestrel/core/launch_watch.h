// The launch watcher: drops a launched application's active mark once its window is gone.
#ifndef KESTREL_LAUNCH_WATCH_H
#define KESTREL_LAUNCH_WATCH_H

#include <windows.h>

#include "base/app_timer.h"

enum { WATCH_TIMER_ID = 2, WATCH_PERIOD_MS = 100 };

// shared: main_window.cpp binds it, the key delivery starts it after a launch, the watcher
// stops it.
extern AppTimer watchTimer;

void CALLBACK WatchLaunchedApp(HWND window, UINT message, UINT_PTR timerId, DWORD time);

#endif
