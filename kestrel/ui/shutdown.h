// The shut-down confirmation (dialog 107) that key 11 opens and the remote's next key answers.
#ifndef KESTREL_SHUTDOWN_H
#define KESTREL_SHUTDOWN_H

#include <windows.h>

// shared: 1 while the confirmation is open; the key dispatcher then sends it every key.
extern int shutdownDialogOpen;
// shared: the open confirmation, for the key dispatcher; left as it was when it closes.
extern HWND shutdownDialogWindow;

// Runs the confirmation modally with the given owner; returns how it ended (IDOK, IDCANCEL,
// VK_RETURN, VK_ESCAPE), 0 or -1 when it could not open.
INT_PTR ShowShutdownDialog(HWND owner);
// OK and Enter (the remote's Power) confirm and power off; Cancel, Escape and the close box
// cancel.
INT_PTR CALLBACK ShutdownDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
