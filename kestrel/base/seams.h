// The few places where a test may stand in for the system: the clock, sleeping, power-off,
// the Windows version, and what Wine never refuses (the foreground, the settings key, a
// process of higher integrity).
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

// Bringing a window to the front, SetForegroundWindow unless a test replaces it: Windows
// refuses a background program while the foreground is locked, Wine never does.
extern BOOL (WINAPI *setForegroundWindow)(HWND window);
// Opening kestrel's settings key under HKEY_LOCAL_MACHINE with the access asked for, creating
// it when create is set; a registry error code. RegOpenKeyExA or RegCreateKeyExA unless a test
// replaces it: Wine opens every key with all access, Windows refuses a standard user.
extern LONG (*openSettingsKey)(const char *path, REGSAM access, int create, HKEY *key);
// The integrity level of a process (see base/process_integrity.h), ProcessIntegrityLevel
// unless a test replaces it: under Wine every process has the same.
extern DWORD (*processIntegrity)(DWORD processId);

#endif
