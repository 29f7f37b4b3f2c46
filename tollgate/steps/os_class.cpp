// Windows classification from the reported version and the 32-bit program folder.
#include "steps/os_class.h"

#include <windows.h>

#include "steps/os_class_rules.h"

enum { REGISTRY_TEXT_SIZE = 256 };

int CheckVista(void)
{
    OSVERSIONINFOA version;
    ZeroMemory(&version, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    return IsVistaVersion(version.dwPlatformId, version.dwMajorVersion);
}

int CheckX64(void)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", 0,
                      KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return 0;
    // The value gets its whole 256 bytes; the byte beyond is for a terminator the stored
    // value may lack.
    char text[REGISTRY_TEXT_SIZE + 1];
    DWORD size = REGISTRY_TEXT_SIZE;
    if (RegQueryValueExA(key, "ProgramFilesDir (x86)", NULL, NULL, (BYTE *)text, &size)
        != ERROR_SUCCESS)
        size = 0;
    text[size] = '\0';
    RegCloseKey(key);
    return NamesX86Folder(text);
}
