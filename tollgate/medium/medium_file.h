// Files of the medium as the launcher finds them.
#ifndef TOLLGATE_MEDIUM_MEDIUM_FILE_H
#define TOLLGATE_MEDIUM_MEDIUM_FILE_H

#include <stddef.h>

// SplitEntryWith on the files of the medium: the one rule by which Setup.exe and the medium
// checker read a program value.
int SplitEntry(const char *folder, const char *value, char *program, size_t programSize,
               char *parameters, size_t parametersSize);

#endif
