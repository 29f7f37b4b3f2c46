// The stand-in's windows: the main window of its pose, pop-ups and the player window.
#ifndef SIM_TVAPP_WINDOWS_H
#define SIM_TVAPP_WINDOWS_H

#include <windows.h>

// Creates and shows the main window; NULL on failure.
HWND OpenMainWindow(const char *windowClass, const char *title);
// Creates a further top-level window, shown without activation when visible; NULL on failure.
HWND OpenExtraWindow(const char *windowClass, const char *title, int visible);
// How the record names a window of ours: "main" or the window's class; NULL for others.
const char *WindowTag(HWND window);
// Ends the program the way its main window closing does.
void CloseMainWindow(void);

#endif
