// Default bindings of the seams.
#include "base/seams.h"

DWORD (WINAPI *clockTick)(void) = GetTickCount;
VOID (WINAPI *sleepThread)(DWORD) = Sleep;
BOOL (WINAPI *windowsVersion)(OSVERSIONINFOA *) = GetVersionExA;
BOOL (WINAPI *exitWindows)(UINT, DWORD) = ExitWindowsEx;
BOOL (WINAPI *setForegroundWindow)(HWND) = SetForegroundWindow;
