// The key-polling tick: presence, one IR read, repeat filtering and routing.
#ifndef KESTREL_DISPATCH_H
#define KESTREL_DISPATCH_H

#include <windows.h>

#include "base/app_timer.h"

enum { POLL_TIMER_ID = 1, POLL_PERIOD_MS = 100 };

extern AppTimer pollTimer;

// Hands one routed key (-1: a held-back repeat) to its consumer; owner of any dialog.
void RouteKey(int routedKey, HWND owner);

void CALLBACK PollRemote(HWND window, UINT message, UINT_PTR timerId, DWORD time);

#endif
