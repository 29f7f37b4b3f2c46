// The launcher flow's further-applications step: the programs and hotfix packages that
// run after a completed driver setup.
#ifndef TOLLGATE_STEPS_FURTHER_APPS_H
#define TOLLGATE_STEPS_FURTHER_APPS_H

#include "medium/launcher_settings.h"

// Runs the class's entries in index order: programs are waited for, hotfix packages are
// handed to the shell and left running (*msuLaunched becomes 1 when the shell took one).
// Returns the LaunchOutcome bits of what went wrong, 0 when everything was started.
int RunFurtherApplications(const char *folder, const LauncherSettings &settings, LauncherClass osClass,
                           int *msuLaunched);

// The class's entries the launcher starts, in index order, empty ones left out; isPackage
// tells a package by the whole value's name (a value with its own parameters is told by
// the program SplitEntry finds). Returns the visitor's results, or-ed.
typedef int (*FurtherAppVisitor)(int index, const char *entry, int isPackage, void *context);
int WalkFurtherApplications(const LauncherSettings &settings, LauncherClass osClass, FurtherAppVisitor visit,
                            void *context);

#endif
