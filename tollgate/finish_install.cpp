// Reading FinishInstall where the 32-bit driver setup writes it.
#include "finish_install.h"

#include <windows.h>

#include "launcher_app.h"
#include "launcher_settings.h"

void ReadFinishInstall(void)
{
    if (launcherSettings.checkFinishInstall == 0)
        return;
    // The driver setup is a 32-bit program: on 64-bit Windows its write lands in the
    // 32-bit view.
    const char *path = launcherApp.isX64
                           ? "SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion"
                           : "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return;
    DWORD value = 0, size = sizeof value;
    LONG result = RegQueryValueExA(key, "FinishInstall", NULL, NULL, (BYTE *)&value, &size);
    launcherApp.finishInstall = result == ERROR_SUCCESS && value == 1;
    RegCloseKey(key);
}
