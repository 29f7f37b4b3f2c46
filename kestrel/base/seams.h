// The few places where a test may stand in for the system: the clock, sleeping, power-off
// and the Windows version.
#ifndef KESTREL_SEAMS_H
#define KESTREL_SEAMS_H

#include <windows.h>

// Switching the machine off, ExitWindowsEx unless a test replaces it.
extern BOOL (WINAPI *exitWindows)(UINT flags, DWORD reason);
// Millisecond tick, GetTickCount unless a test replaces it.
extern DWORD (WINAPI *clockTick)(void);
// Suspends the thread, Sleep unless a test replaces it.
extern VOID (WINAPI *sleepThread)(DWORD milliseconds);
// The Windows version, GetVersionExA unless a test replaces it.
extern BOOL (WINAPI *windowsVersion)(OSVERSIONINFOA *version);

#endif
