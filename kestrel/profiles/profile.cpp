// The nine profile records and the flags the start-up probes leave.
#include "profiles/profile.h"

#include "common/bounded_text.h"

TvAppProfile tvApps[TV_APP_COUNT + 1];
int launchWatch[TV_APP_COUNT + 1];
int zoruvSkinFlag = 0;

int ReadInstallPath(TvAppProfile &profile, const char *subKey, const char *valueName, const char *exeName)
{
    profile.installed = 0;
    HKEY key;
    if (RegOpenKeyA(HKEY_LOCAL_MACHINE, subKey, &key) != ERROR_SUCCESS)
        return 0;
    // One byte short of the field, so that a value filling it still ends in a terminator;
    // a 127-character value with its terminator is 128 bytes and must fit.
    char folder[sizeof profile.installDir + 1];
    DWORD size = sizeof profile.installDir;
    DWORD type = REG_NONE;
    LONG result = RegQueryValueExA(key, valueName, NULL, &type, (BYTE *)folder, &size);
    RegCloseKey(key);
    // A number or raw bytes under the name is no folder: the same as no value.
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return 0;
    // The stored string need not carry its terminator: a full buffer without one is too long.
    if (size == sizeof profile.installDir && folder[size - 1] != '\0')
        return 0;
    folder[size] = '\0';
    CopyText(profile.installDir, sizeof profile.installDir, folder);
    CopyText(profile.exeName, sizeof profile.exeName, exeName);
    profile.installed = 1;
    profile.active = 0;
    return 1;
}
