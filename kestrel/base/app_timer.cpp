// AppTimer: a window timer that remembers whether it runs, so start and stop are idempotent.
#include "base/app_timer.h"

AppTimer::AppTimer(UINT timerId, TIMERPROC timerProcedure)
    : running(false), id(timerId), window(NULL), periodMs(0), procedure(timerProcedure)
{
}

// Static records: stopped by their own clean-up when the process exits.
AppTimer::~AppTimer()
{
    StopTimer(*this);
}

void BindTimer(AppTimer &timer, HWND window, UINT periodMs)
{
    timer.window = window;
    timer.periodMs = periodMs;
    StopTimer(timer);
}

void StartTimer(AppTimer &timer)
{
    if (timer.running)
        return;
    // Marked running even when SetTimer fails: a later start stays a no-op until a stop.
    SetTimer(timer.window, timer.id, timer.periodMs, timer.procedure);
    timer.running = true;
}

void StopTimer(AppTimer &timer)
{
    if (!timer.running)
        return;
    KillTimer(timer.window, timer.id);
    timer.running = false;
}
