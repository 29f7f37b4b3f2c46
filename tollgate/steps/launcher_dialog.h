// LauncherDialog, the launcher flow's last step and its only window. It ends at once
// unless a hotfix package is installing and the medium asks the launcher to watch it; then
// it hides on its first tick and drives the installer's windows until they are done.
#ifndef TOLLGATE_STEPS_LAUNCHER_DIALOG_H
#define TOLLGATE_STEPS_LAUNCHER_DIALOG_H

#include <windows.h>

enum { LAUNCHER_TIMER = 300 };

// Runs the dialog modally; IDOK or IDCANCEL as it ended, -1 when it could not be shown.
INT_PTR RunLauncherDialog(int msuLaunched, int enableTimer, int waitTimer);
// Draws the icon centred in the client area, over the icon background.
void DrawMinimisedIcon(HWND dialog, HDC dc, HICON icon);

#endif
