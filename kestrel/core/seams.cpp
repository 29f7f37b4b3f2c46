// Default bindings of the clock, sleep and version seams.
#include "seams.h"

DWORD (WINAPI *clockTick)(void) = GetTickCount;
VOID (WINAPI *sleepThread)(DWORD) = Sleep;
BOOL (WINAPI *windowsVersion)(OSVERSIONINFOA *) = GetVersionExA;
