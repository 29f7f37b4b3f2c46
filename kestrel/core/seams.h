// The few places where a test may stand in for the system: the clock and sleeping.
#ifndef KESTREL_SEAMS_H
#define KESTREL_SEAMS_H

#include <windows.h>

// Millisecond tick, GetTickCount unless a test replaces it.
extern DWORD (WINAPI *clockTick)(void);
// Suspends the thread, Sleep unless a test replaces it.
extern VOID (WINAPI *sleepThread)(DWORD milliseconds);

#endif
