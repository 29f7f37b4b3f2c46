// The launcher folder from the running program's own path.
#include "medium/module_folder.h"

#include <windows.h>
#include <string.h>

#include "common/bounded_text.h"
#include "medium/launcher_paths.h"

int GetLauncherFolder(char *folder, size_t size)
{
    char module[MODULE_PATH_SIZE + 1];
    // One character more than the limit tells a path that just fits from a cut one; XP
    // does not terminate a cut path.
    DWORD length = GetModuleFileNameA(NULL, module, MODULE_PATH_SIZE + 1);
    if (length == 0) {
        CopyText(folder, size, "");
        return FOLDER_UNREADABLE;
    }
    if (length >= MODULE_PATH_SIZE) {
        module[MODULE_PATH_SIZE] = '\0';
        CopyTextShortened(folder, size, module);
        return FOLDER_TOO_LONG;
    }
    module[length] = '\0';
    if (!LauncherFolderOf(module, folder, size)) {
        CopyTextShortened(folder, size, module);
        return strchr(module, '\\') ? FOLDER_TOO_LONG : FOLDER_NOT_A_PATH;
    }
    return FOLDER_FOUND;
}
