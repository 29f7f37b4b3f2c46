// Default-application switching: tray launch items and the Power key with no application.
#ifndef KESTREL_SWITCHING_H
#define KESTREL_SWITCHING_H

#include <windows.h>

// Closes every application but index, in detection order.
void CloseOtherApps(int index);
void SwitchToApp(int index);
void PowerDefaultApp(void);
// 1 when application index's window exists.
int IsAppWindowPresent(int index);
INT_PTR CALLBACK SettingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
