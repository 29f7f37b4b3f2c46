// The few places where a test may stand in for the system: the clock, sleeping, power-off,
// the Windows version, and what Wine never refuses (the foreground, the settings key, a
// process of higher integrity).
#ifndef KESTREL_SEAMS_H
#define KESTREL_SEAMS_H

#include <windows.h>

// shared: the product calls it, a test replaces it. Switching the machine off: ExitWindowsEx.
extern BOOL (WINAPI *exitWindows)(UINT flags, DWORD reason);
// shared: the product calls it, a test replaces it. Millisecond tick: GetTickCount.
extern DWORD (WINAPI *clockTick)(void);
// shared: the product calls it, a test replaces it. Suspends the thread: Sleep.
extern VOID (WINAPI *sleepThread)(DWORD milliseconds);
// shared: the product calls it, a test replaces it. The Windows version: GetVersionExA.
extern BOOL (WINAPI *windowsVersion)(OSVERSIONINFOA *version);

// To the front: Windows refuses a background program while the foreground is locked, Wine never.
// shared: the product calls it, a test replaces it. SetForegroundWindow.
extern BOOL (WINAPI *setForegroundWindow)(HWND window);
// Opening kestrel's settings key under HKEY_LOCAL_MACHINE with the access asked for, creating
// it when create is set; a registry error code (Wine gives all access; Windows refuses a standard user).
// shared: the product calls it, a test replaces it. RegOpenKeyExA or RegCreateKeyExA.
extern LONG (*openSettingsKey)(const char *path, REGSAM access, int create, HKEY *key);
// A process's integrity level (base/process_integrity.h); under Wine every process has the same.
// shared: the product calls it, a test replaces it. ProcessIntegrityLevel.
extern DWORD (*processIntegrity)(DWORD processId);

#endif
