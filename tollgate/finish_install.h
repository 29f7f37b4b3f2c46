// Whether the driver setup reported completion.
#ifndef TOLLGATE_FINISH_INSTALL_H
#define TOLLGATE_FINISH_INSTALL_H

// Sets launcherApp.finishInstall from the registry value FinishInstall, when Setting.ini
// asks for the check at all.
void ReadFinishInstall(void);

#endif
