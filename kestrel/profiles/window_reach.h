// Whether this program's keystrokes and posted messages can reach a window: on Vista and later
// a process of higher integrity (an application run as administrator) drops them.
#ifndef KESTREL_WINDOW_REACH_H
#define KESTREL_WINDOW_REACH_H

#include <windows.h>

// 0 when window's process runs at a higher integrity level than this one; 1 otherwise, also
// when either level is unknown (XP), where a refused post still tells.
int WindowInReach(HWND window);

#endif
