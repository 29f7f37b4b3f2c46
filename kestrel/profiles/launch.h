// Starting a TV application through the shell, and bringing it to the front.
#ifndef KESTREL_LAUNCH_H
#define KESTREL_LAUNCH_H

#include <windows.h>

// A running instance's window if there is one; else starts the installed application with the
// parameter "remote" and returns its window if it exists already. NULL when nothing is found.
// defaultApp is the default application, whose program of its own may replace the launch.
HWND Launch(int index, int defaultApp);
// The installed application's window brought to the front, launching it when no class match runs.
HWND ActivateOrLaunch(int index, int defaultApp);

#endif
