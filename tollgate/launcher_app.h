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

// The whole flow, top to bottom, ending with the launcher dialog; returns the exit code
// (LaunchOutcome bits), after which the program ends.
int LauncherStartUp(void);
// The flow for a launcher folder already worked out; a folderResult other than FOLDER_FOUND
// (see module_folder.h) means the launcher's own path is not known (folder then holds what
// was read, shortened, for the message) and nothing of the medium is used.
int LauncherFlow(const char *folder, int folderResult);

#endif
