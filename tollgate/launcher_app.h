// LauncherApp: the launcher's single application object and its start-up flow.
#ifndef TOLLGATE_LAUNCHER_APP_H
#define TOLLGATE_LAUNCHER_APP_H

struct LauncherApp {
    int isVista;         // Windows is in the Vista class
    int isX64;           // Windows is 64-bit
    int msuLaunched;     // a hotfix package was handed to the shell successfully
    int finishInstall;   // the driver setup reported completion in the registry
};

extern LauncherApp launcherApp;

// The whole flow, top to bottom; returns 0 (do not continue), so the program ends.
int LauncherStartUp(void);

#endif
