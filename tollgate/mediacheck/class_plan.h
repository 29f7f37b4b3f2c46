// What Setup.exe does from the medium on one class of Windows, worked out with the
// launcher's own rules from the settings it has read.
#ifndef MEDIACHECK_CLASS_PLAN_H
#define MEDIACHECK_CLASS_PLAN_H

#include "mediacheck/medium_report.h"

// Fills the plan from the settings read and adds the class's problems: a driver setup or
// further program missing on the medium, a command line that does not fit. A null folder
// is a medium Setup.exe cannot use: no program of it is started.
void PlanClass(const char *folder, const LauncherSettings &settings, int isVista, int isX64, ClassPlan *plan);

#endif
