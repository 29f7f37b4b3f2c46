// Where the launcher runs from: its medium.
#ifndef TOLLGATE_MEDIUM_MODULE_FOLDER_H
#define TOLLGATE_MEDIUM_MODULE_FOLDER_H

#include <stddef.h>

enum { MODULE_PATH_SIZE = 512 };

// What became of reading the launcher's own folder.
enum LauncherFolderResult {
    FOLDER_FOUND = 1,
    FOLDER_UNREADABLE = 0,   // Windows gave no module path
    FOLDER_TOO_LONG = -1,    // the module path does not fit MODULE_PATH_SIZE
    FOLDER_NOT_A_PATH = -2   // the module path names no folder (no backslash)
};

// The launcher folder, without a trailing backslash, and FOLDER_FOUND; otherwise folder holds
// what was read, shortened, for a message.
int GetLauncherFolder(char *folder, size_t size);

#endif
