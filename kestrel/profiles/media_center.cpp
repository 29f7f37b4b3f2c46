// Windows Media Center: the XP edition by its registry mark and shell file, Vista and later by
// its "Ident" value. A failed detection keeps what an earlier success found.
#include "profiles/media_center.h"

#include <windows.h>

#include "base/seams.h"
#include "common/bounded_text.h"
#include "profiles/file_exists.h"
#include "profiles/profile.h"

int xpMediaCenter = 0;

static int ReadVersion(OSVERSIONINFOEXA *version)
{
    ZeroMemory(version, sizeof *version);
    version->dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
    if (windowsVersion((OSVERSIONINFOA *)version))
        return 1;
    ZeroMemory(version, sizeof *version);
    version->dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    return windowsVersion((OSVERSIONINFOA *)version) != FALSE;
}

// "<Windows directory>\ehome\<file>"; 1 when it fit.
static int EhomePath(char *path, size_t size, const char *file)
{
    char folder[256];
    UINT length = GetWindowsDirectoryA(folder, sizeof folder);
    if (length == 0 || length >= sizeof folder)
        return 0;
    return FormatText(path, size, "%s\\ehome\\%s", folder, file);
}

static int XpMediaCenterInstalled(void)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System\\WPA\\MediaCenter", 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return 0;
    DWORD installed = 0;
    DWORD size = sizeof installed;
    DWORD type = REG_NONE;
    LONG result = RegQueryValueExA(key, "Installed", NULL, &type, (BYTE *)&installed, &size);
    RegCloseKey(key);
    // Only a whole REG_DWORD is the mark: a single byte 1 or a text "1" is not.
    if (result != ERROR_SUCCESS || type != REG_DWORD || size != sizeof installed || installed != 1)
        return 0;

    char path[300];
    return EhomePath(path, sizeof path, "EHSHELL.EXE") && FileExists(path);
}

static int LaterMediaCenterInstalled(void)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Media Center", 0,
                      KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return 0;
    BYTE ident[256];
    DWORD size = sizeof ident;
    LONG result = RegQueryValueExA(key, "Ident", NULL, NULL, ident, &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

int DetectMediaCenter(void)
{
    OSVERSIONINFOEXA version;
    if (!ReadVersion(&version) || version.dwPlatformId != VER_PLATFORM_WIN32_NT)
        return 0;
    if (version.dwMajorVersion == 5) {
        // Only XP (5.1) had a Media Center edition.
        if (version.dwMinorVersion != 1 || !XpMediaCenterInstalled())
            return 0;
        tvApps[APP_MEDIACENTER].installed = 1;
        xpMediaCenter = 1;
        return 1;
    }
    if (version.dwMajorVersion == 6 && LaterMediaCenterInstalled()) {
        xpMediaCenter = 0;
        tvApps[APP_MEDIACENTER].installed = 1;
        return 1;
    }
    return 0;
}

int MediaCenterLaunchPath(char *path, size_t size)
{
    if (!DetectMediaCenter())
        return 0;
    return EhomePath(path, size, "ehshell.exe") ? 1 : -1;
}
