// Default bindings of the clock and sleep seams.
#include "seams.h"

DWORD (WINAPI *clockTick)(void) = GetTickCount;
VOID (WINAPI *sleepThread)(DWORD) = Sleep;
