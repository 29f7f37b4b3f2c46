// The windows of the user's applications from keymaps.ini.
#ifndef KESTREL_USER_APP_WINDOWS_H
#define KESTREL_USER_APP_WINDOWS_H

#include <windows.h>

// The user application that takes a key: the one whose window is in front, else the first
// in file order with a visible top-level window; its index with the window, or -1.
int FindUserApp(HWND *window);

#endif
