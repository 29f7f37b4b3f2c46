// The hidden main window: owner of the timers, the tray icon and every dialog.
#ifndef KESTREL_MAIN_WINDOW_H
#define KESTREL_MAIN_WINDOW_H

#include <windows.h>

// The hidden window as created last; NULL before.
HWND MainWindow(void);
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Loads the title and class name and registers the window class; 0 on failure.
int RegisterMainWindowClass(HINSTANCE instance);
// Creates the hidden window and starts the receiver timers; 0 when the program must end.
int CreateMainWindow(HINSTANCE instance);

#endif
