// The tuner stick's presence (its capture filter), the infrared receiver's open and the
// 3-second retry while the stick is away.
#ifndef KESTREL_RECEIVER_H
#define KESTREL_RECEIVER_H

#include <windows.h>

#include "base/app_timer.h"

enum { RETRY_TIMER_ID = 3, RETRY_PERIOD_MS = 3000 };

// shared: 1 while the stick is present and the receiver is open; the tray click in
// main_window.cpp reads it.
extern int receiverReady;

extern const char captureFilterName[];
extern const GUID captureFilterCategory;

// The 3-second retry, to be looked at.
const AppTimer &ReceiverRetryTimer(void);

int IsReceiverPresent(void);
void ReleaseReceiverCheck(void);

// Main-window creation: presence check and receiver open.
void OpenReceiverAtStartup(void);
// After the window is hidden: binds the retry and starts the given polling timer (bound by
// its owner) or the retry.
void StartReceiverTimers(HWND window, AppTimer &polling);
// The stick is gone: polling stops and the retry runs until the stick is back, then it hands
// back to polling.
void WaitForReceiver(AppTimer &polling);

void CALLBACK RetryReceiver(HWND window, UINT message, UINT_PTR timerId, DWORD time);

#endif
