// Running the driver setup program of the Windows class.
#ifndef TOLLGATE_DRIVER_SETUP_H
#define TOLLGATE_DRIVER_SETUP_H

// Runs folder\SetupPath\SetupExe of the current class and waits for it; an empty folder
// or program value shows NoSetupPath instead.
void RunDriverSetup(const char *folder);

#endif
