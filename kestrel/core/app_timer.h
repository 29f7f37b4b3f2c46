// Window timers that drive the program: key polling, launch watcher, receiver retry.
#ifndef KESTREL_APP_TIMER_H
#define KESTREL_APP_TIMER_H

#include <windows.h>

struct AppTimer {
    bool running;
    UINT id;
    HWND window;
    UINT periodMs;
    TIMERPROC procedure;

    AppTimer(UINT timerId, TIMERPROC timerProcedure);
    ~AppTimer();
};

void BindTimer(AppTimer &timer, HWND window, UINT periodMs);
void StartTimer(AppTimer &timer);
void StopTimer(AppTimer &timer);

enum { POLL_TIMER_ID = 1, WATCH_TIMER_ID = 2, RETRY_TIMER_ID = 3 };
enum { POLL_PERIOD_MS = 100, WATCH_PERIOD_MS = 100, RETRY_PERIOD_MS = 3000 };

extern AppTimer pollTimer;
extern AppTimer watchTimer;
extern AppTimer retryTimer;

#endif
