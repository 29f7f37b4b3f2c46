// How the version and the registry sort Windows into the launcher's four classes.
#ifndef TOLLGATE_STEPS_OS_CLASS_RULES_H
#define TOLLGATE_STEPS_OS_CLASS_RULES_H

#include "medium/launcher_settings.h"

// NT 6.x is the Vista class; everything else, older or newer, is the XP class.
int IsVistaVersion(unsigned long platformId, unsigned long majorVersion);
// 1 when the text from the last '(' on is "(x86)", letter case ignored.
int NamesX86Folder(const char *programFilesX86);
LauncherClass LauncherClassOf(int isVista, int isX64);

#endif
