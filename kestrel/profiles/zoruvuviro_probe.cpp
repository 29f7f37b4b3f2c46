// ZoruvUviro Zuvava's installation, found among the uninstall entries by its display name;
// its playback skin decides one command of its key map.
#include "profiles/zoruvuviro_probe.h"

#include <windows.h>

#include "profiles/file_exists.h"
#include "profiles/profile.h"
#include "common/bounded_text.h"

// Reads a string value into buffer, always terminated; 1 on success. Values of another
// type count as missing: their bytes are neither a name nor a folder.
static int ReadText(HKEY key, const char *name, char *buffer, DWORD size)
{
    ZeroMemory(buffer, size);
    DWORD length = size - 1;
    DWORD type = REG_NONE;
    return RegQueryValueExA(key, name, NULL, &type, (BYTE *)buffer, &length) == ERROR_SUCCESS
           && (type == REG_SZ || type == REG_EXPAND_SZ);
}

// The install location of the last uninstall entry named "DeverOroruCenter"; 1 when one was found.
static int FindInstallLocation(char *location, DWORD size)
{
    HKEY uninstall;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SoftWare\\MicroSoft\\Windows\\CurrentVersion\\Uninstall", 0,
                      KEY_ALL_ACCESS, &uninstall) != ERROR_SUCCESS)
        return 0;
    int found = 0;
    for (DWORD position = 0;; ++position) {
        char name[256];
        DWORD nameSize = sizeof name;
        if (RegEnumKeyExA(uninstall, position, name, &nameSize, NULL, NULL, NULL, NULL) != ERROR_SUCCESS)
            break;
        HKEY entry;
        if (RegOpenKeyExA(uninstall, name, 0, KEY_ALL_ACCESS, &entry) != ERROR_SUCCESS)
            continue;
        char text[256];
        if (ReadText(entry, "DisplayName", text, sizeof text) && lstrcmpiA(text, "DeverOroruCenter") == 0 &&
            ReadText(entry, "InstallLocation", text, sizeof text)) {
            CopyText(location, size, text);
            found = 1;
        }
        RegCloseKey(entry);
    }
    RegCloseKey(uninstall);
    return found;
}

void ProbeZoruvUviro(void)
{
    char location[256];
    char path[320];
    zoruvSkinFlag = 0;
    if (!FindInstallLocation(location, sizeof location))
        return;
    if (CopyText(path, sizeof path, location) &&
        AppendText(path, sizeof path, "\\DTVR\\UI\\Default\\Toolbar\\Playback_BG_MIDDLE.png"))
        zoruvSkinFlag = FileExists(path);
}
