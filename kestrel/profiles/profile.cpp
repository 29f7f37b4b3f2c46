// The nine profile records, built from the catalogue before the entry function runs.
#include "profiles/profile.h"

#include <string.h>

#include "common/bounded_text.h"
#include "profiles/catalogue.h"

TvAppProfile tvApps[TV_APP_COUNT + 1];
int launchWatch[TV_APP_COUNT + 1];
int xpMediaCenter = 0;
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
    LONG result = RegQueryValueExA(key, valueName, NULL, NULL, (BYTE *)folder, &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
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

void BuildProfile(int index)
{
    const TvAppEntry *entry = CatalogueEntry(index);
    if (!entry)
        return;
    TvAppProfile &profile = tvApps[index];
    memset(&profile, 0, sizeof profile);
    ReadInstallPath(profile, entry->registryKey, entry->registryValue, entry->exeName);
    CopyText(profile.launchClass, sizeof profile.launchClass, entry->launchClass);
    CopyText(profile.windowName, sizeof profile.windowName, entry->windowName);
}

void BuildProfiles(void)
{
    for (int index = 1; index <= TV_APP_COUNT; ++index)
        BuildProfile(index);
}

// The install paths are read before the main window exists, as the records come to life.
static const int profilesBuilt = (BuildProfiles(), 1);
