// The shut-down confirmation that key 11 opens and the Power key answers.
#ifndef KESTREL_SHUTDOWN_H
#define KESTREL_SHUTDOWN_H

#include <windows.h>

extern int shutdownDialogOpen;
extern HWND shutdownDialogWindow;

// 1 when none of the nine TV applications has a window.
int NoTvAppWindowPresent(void);
// Runs the confirmation modally with the given owner.
void ShowShutdownDialog(HWND owner);

#endif
