// Clicking through the Windows Update Standalone Installer while a hotfix package installs.
#ifndef TOLLGATE_STEPS_HOTFIX_AUTOMATION_H
#define TOLLGATE_STEPS_HOTFIX_AUTOMATION_H

// One tick: confirms every confirmation, acknowledges every notice and closes the first
// finished progress window. 1 when the installer is done (a notice acknowledged or a Close
// clicked), so that the caller stops watching; else 0.
int AutomateHotfixInstaller(void);

#endif
