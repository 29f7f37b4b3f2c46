// Reading FinishInstall where the 32-bit driver setup writes it.
#include "steps/finish_install.h"

#include <windows.h>

int ReadFinishInstall(int isX64)
{
    // The driver setup is a 32-bit program: on 64-bit Windows its write lands in the
    // 32-bit view.
    const char *path = isX64 ? "SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion"
                             : "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return 0;
    DWORD value = 0, size = sizeof value;
    LONG result = RegQueryValueExA(key, "FinishInstall", NULL, NULL, (BYTE *)&value, &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS && value == 1;
}
