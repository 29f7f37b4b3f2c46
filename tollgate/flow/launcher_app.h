// The launcher's start-up flow: every step in its order, and the record of the run.
#ifndef TOLLGATE_FLOW_LAUNCHER_APP_H
#define TOLLGATE_FLOW_LAUNCHER_APP_H

// The whole flow, top to bottom, ending with the launcher dialog; returns the exit code
// (LaunchOutcome bits), after which the program ends.
int LauncherStartUp(void);
// The flow for a launcher folder already worked out; a folderResult other than FOLDER_FOUND
// (see medium/module_folder.h) means the launcher's own path is not known (folder then holds
// what was read, shortened, for the message) and nothing of the medium is used.
int LauncherFlow(const char *folder, int folderResult);

#endif
