// The tuner stick's presence (its capture filter) and the infrared receiver's open and retry.
#ifndef KESTREL_RECEIVER_H
#define KESTREL_RECEIVER_H

#include <windows.h>

struct IBaseFilter;

// 1 while the stick is present and the receiver is open.
extern int receiverReady;

extern const char captureFilterName[];
extern const GUID captureFilterCategory;

int IsReceiverPresent(void);
void ReleaseReceiverCheck(void);
IBaseFilter *FindCaptureFilter(const char *friendlyName, const GUID &category);

void CALLBACK RetryReceiver(HWND window, UINT message, UINT_PTR timerId, DWORD time);
void CALLBACK WatchLaunchedApp(HWND window, UINT message, UINT_PTR timerId, DWORD time);

// Main-window creation: presence check and receiver open.
void OpenReceiverAtStartup(void);
// After the window is hidden: bind the three timers and start polling or retrying.
void StartReceiverTimers(HWND window);

#endif
