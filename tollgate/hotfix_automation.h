// Clicking through the Windows Update Standalone Installer while a hotfix package installs.
#ifndef TOLLGATE_HOTFIX_AUTOMATION_H
#define TOLLGATE_HOTFIX_AUTOMATION_H

#include <windows.h>

// One tick: confirms every confirmation, acknowledges every notice and closes the first
// finished progress window. 1 when the installer is done (a notice acknowledged or a Close
// clicked), so that the caller stops watching; else 0.
int AutomateHotfixInstaller(void);
// The two posted messages of a left click at the button's client point (0, 0).
void ClickButton(HWND button);

#endif
