// The launcher folder and the command lines built from it and from Setting.ini. Each
// returns 1 when the whole text fit its buffer, 0 when it did not (and then it must not
// be used).
#ifndef TOLLGATE_MEDIUM_LAUNCHER_PATHS_H
#define TOLLGATE_MEDIUM_LAUNCHER_PATHS_H

#include <stddef.h>

// The launcher's buffers: a longer path or command line is not used.
enum { SETTING_FILE_PATH_SIZE = 256, COMMAND_LINE_SIZE = 512 };

// The module path up to its last backslash, without it: a renamed launcher still finds
// its medium. 0 when the path has no backslash.
int LauncherFolderOf(const char *modulePath, char *folder, size_t size);
// folder\Setting.ini
int SettingFilePath(const char *folder, char *path, size_t size);
// "folder\setupPath\setupExe", quoted so that blanks in the medium's path cannot start a
// program named by a prefix of it.
int SetupCommandLine(const char *folder, const char *setupPath, const char *setupExe,
                     char *commandLine, size_t size);
// "folder\entry" parameter; the parameter always follows one blank, even when empty.
int AnotherApCommandLine(const char *folder, const char *entry, const char *parameter,
                         char *commandLine, size_t size);
// "folder\program" with the value's own parameters, then parameter (NULL: none), each
// after one blank when given; an empty own text adds no blank.
int ProgramCommandLine(const char *folder, const char *program, const char *ownParameters,
                       const char *parameter, char *commandLine, size_t size);
// A package's parameters for the shell: its own, one blank, then parameter.
int PackageParameters(const char *ownParameters, const char *parameter, char *text, size_t size);
// folder\entry, unquoted, as the shell wants the file of a hotfix package.
int AnotherApFile(const char *folder, const char *entry, char *path, size_t size);

#endif
