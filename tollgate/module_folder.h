// Where the launcher runs from: its medium.
#ifndef TOLLGATE_MODULE_FOLDER_H
#define TOLLGATE_MODULE_FOLDER_H

#include <stddef.h>

enum { MODULE_PATH_SIZE = 512 };

// The launcher folder, without a trailing backslash. 0 when the module path does not fit
// MODULE_PATH_SIZE; folder then holds what was read, shortened, for a message.
int GetLauncherFolder(char *folder, size_t size);

#endif
