// Per-application operations that the key dispatcher, switching and the tray call.
#ifndef KESTREL_PROFILE_OPS_H
#define KESTREL_PROFILE_OPS_H

#include <windows.h>

// A running instance's window if there is one; else starts the installed application (a
// message says when that failed) and returns its window if it exists already; else NULL.
HWND Launch(int index, int defaultApp);
// The installed application's window brought to the front, launching it when no class match runs.
HWND ActivateOrLaunch(int index, int defaultApp);
// Power key for application index: close it when its window exists, else start it (with
// defaultApp as the default application). 1 when it took the launch path, whether or not
// anything started, so that the caller watches for the window; 0 when it closed or did nothing.
int TogglePower(int index, int defaultApp);
// One remote key through the application's key map.
void DispatchKey(int index, unsigned int key);
// Closes the application when its window exists and then drops its active mark; 0 when no
// window was found, the application is out of reach (outOfReach set) or its Alt+F4 could
// not be sent (the mark then stays).
int CloseApp(int index);
// The first application in detection order whose active mark is exactly 1; 0 if none.
int FirstActiveApp(void);

#endif
