// Hotfix packages as Windows and its update installer take them, class by class.
#ifndef MEDIACHECK_PACKAGE_CHECK_H
#define MEDIACHECK_PACKAGE_CHECK_H

#include "mediacheck/medium_report.h"

// 1 when the shell opens the package on the class; adds an error when it does not (XP has
// no handler for ".msu") and warnings for a package made for another Windows or processor
// and for parameters the installer does not take.
int PackageIsOpened(const FurtherPlan &f, const ClassPlan &plan);
// Warnings for the order of a class's entries: a second package while the installer is
// watched, a program listed after a package.
void CheckInstallerOrder(const ClassPlan &plan);

#endif
