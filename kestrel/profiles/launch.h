// Starting a TV application through the shell, and finding its running instance.
#ifndef KESTREL_LAUNCH_H
#define KESTREL_LAUNCH_H

#include <windows.h>

// The running instance's window by the profile's launch class (whole class), else by its class
// prefix; NULL when none runs. index must be one of the nine.
HWND FindRunningInstance(int index);
// Starts installed application index with the parameter "remote" and marks it active; the
// default application's program of its own replaces it. 0 when the shell could not start it
// (the caller tells the user), 1 when it did.
int StartInstalledApp(int index, int defaultApp);

#endif
