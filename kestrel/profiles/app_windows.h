// The top-level window search that tells whether a TV application is running.
#ifndef KESTREL_APP_WINDOWS_H
#define KESTREL_APP_WINDOWS_H

#include <windows.h>

// The application's window by class and/or title (whole strings, case ignored), or NULL.
HWND FindDetectionWindow(int index);

#endif
