// What a Setting.ini program value names: the program on the medium and the parameters
// the value carries after it ("SetupDrv.exe /S", "Redist\vcredist_x86.exe /q").
#ifndef TOLLGATE_MEDIUM_ENTRY_SPLIT_H
#define TOLLGATE_MEDIUM_ENTRY_SPLIT_H

#include <stddef.h>

enum { ENTRY_PROGRAM_SIZE = 260 };   // a 255-character value with ".exe" added

// 1 when the path names a file (not a folder).
typedef int (*FileProbe)(const char *path);

// The whole value when folder\value is a file; else the longest part of the value up to a
// blank that names a file in folder, with the rest (leading blanks dropped) as its own
// parameters. A part without an extension also names part.exe, as Windows would add it.
// Returns 1 when a file was found this way; 0 leaves the whole value as the program and
// no parameters, as when values were not split at all.
int SplitEntryWith(const char *folder, const char *value, FileProbe isFile, char *program,
                   size_t programSize, char *parameters, size_t parametersSize);

#endif
