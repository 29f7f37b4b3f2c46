// The launcher flow's driver setup step: the driver setup program of the Windows class,
// run and waited for.
#ifndef TOLLGATE_STEPS_DRIVER_SETUP_H
#define TOLLGATE_STEPS_DRIVER_SETUP_H

#include <stddef.h>

#include "medium/launcher_settings.h"

// "folder\setupPath\program" and the value's own parameters, SetupExe split as every
// program value is. 0 when it does not fit.
int DriverSetupCommandLine(const char *folder, const char *setupPath, const char *setupExe,
                           char *commandLine, size_t size);

// Runs folder\SetupPath\SetupExe of the class and waits for it; an empty folder or program
// value shows NoSetupPath instead. Returns the LaunchOutcome bits of what went wrong, 0
// when the driver setup ran to its end.
int RunDriverSetup(const char *folder, const LauncherSettings &settings, LauncherClass osClass);

#endif
