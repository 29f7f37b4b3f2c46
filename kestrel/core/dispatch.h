// The key-polling tick: presence, one IR read, the repeat filter, then the key's one trip.
#ifndef KESTREL_DISPATCH_H
#define KESTREL_DISPATCH_H

#include <windows.h>

#include "base/app_timer.h"
#include "core/key_filter.h"

enum { POLL_TIMER_ID = 1, POLL_PERIOD_MS = 100 };

// shared: main_window.cpp binds it and hands it to the receiver's timers; PollRemote stops it
// when the stick is gone.
extern AppTimer pollTimer;

// One key's trip: the facts, the decision, its line in the code viewer, its delivery;
// owner: of the shut-down confirmation.
void RouteKey(const KeyEvent &key, HWND owner);

void CALLBACK PollRemote(HWND window, UINT message, UINT_PTR timerId, DWORD time);

#endif
