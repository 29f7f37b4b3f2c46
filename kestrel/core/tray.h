// The tray icon, the program's only visible surface, and its popup menu.
#ifndef KESTREL_TRAY_H
#define KESTREL_TRAY_H

#include <windows.h>

enum { TRAY_ICON_ID = 10, TRAY_CALLBACK_MESSAGE = 1001 };

int AddTrayIcon(HWND window, UINT iconId, HICON icon, const char *tip);
int RemoveTrayIcon(HWND window, UINT iconId);
// Re-applies the icon and tip.
int RefreshTrayIcon(void);
// A balloon at the icon with title and text; 1 when the shell took it.
int ShowTrayBalloon(const char *title, const char *text);
// Shows the menu at the pointer; owner gets its commands.
void ShowTrayMenu(HWND owner);
// Builds the menu for the current default application without showing it.
HMENU BuildTrayMenu(void);

#endif
