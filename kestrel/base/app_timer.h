// Window timers that remember whether they run, so that start and stop are idempotent; each
// record lives beside its callback.
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

#endif
