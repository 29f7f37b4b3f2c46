// The settings store: two REG_DWORD values, every write flushed at once.
#include "settings/settings.h"

#include <windows.h>
#include <string.h>

#include "base/seams.h"

// Where both live, under HKEY_LOCAL_MACHINE.
static const char settingsKey[] = "SOFTWARE\\Corvel\\Lintel Twin Utilities";

int defaultTvApp = 9;
int alwaysRemoteOff = 0;

// Reading and writing the values; a standard user on Vista and later gets this only for the
// user's virtual store (32-bit kestrel.exe) and is refused otherwise.
static const REGSAM readWrite = KEY_READ | KEY_WRITE;

static int WriteNumber(HKEY key, const char *name, DWORD number)
{
    if (RegSetValueExA(key, name, 0, REG_DWORD, (const BYTE *)&number, sizeof number) != ERROR_SUCCESS)
        return 0;
    RegFlushKey(key);
    return 1;
}

// The first four bytes of a value of any type and length (fewer read as zero bytes); 1 when
// the value exists. A longer value must still count as present, or it would be overwritten.
static int ReadRegistryNumber(HKEY key, const char *name, DWORD *number)
{
    DWORD size = 0;
    if (RegQueryValueExA(key, name, NULL, NULL, NULL, &size) != ERROR_SUCCESS)
        return 0;
    BYTE small[sizeof(DWORD)] = { 0 };
    BYTE *data = small;
    if (size > sizeof small) {
        data = (BYTE *)LocalAlloc(LPTR, size);
        if (!data)
            return 0;
    }
    LONG result = RegQueryValueExA(key, name, NULL, NULL, data, &size);
    DWORD value = 0;
    if (result == ERROR_SUCCESS)
        memcpy(&value, data, size < sizeof value ? size : sizeof value);
    if (data != small)
        LocalFree(data);
    if (result != ERROR_SUCCESS)
        return 0;
    *number = value;
    return 1;
}

// Both values as stored; a missing one is written from memory when the key may be written.
static void ReadValues(HKEY key, int writable)
{
    DWORD number;
    if (ReadRegistryNumber(key, "DefaultTVAPP", &number))
        defaultTvApp = (int)number;
    else if (writable)
        WriteNumber(key, "DefaultTVAPP", (DWORD)defaultTvApp);
    if (ReadRegistryNumber(key, "AlwaysRemoteOff", &number))
        alwaysRemoteOff = number == 1;
    else if (writable)
        WriteNumber(key, "AlwaysRemoteOff", 0);
}

int LoadSettings(void)
{
    HKEY key;
    int writable = openSettingsKey(settingsKey, readWrite, 0, &key) == ERROR_SUCCESS ||
                   openSettingsKey(settingsKey, readWrite, 1, &key) == ERROR_SUCCESS;
    // Refused writing, kestrel still honours the installer's switch and default.
    if (!writable && openSettingsKey(settingsKey, KEY_READ, 0, &key) != ERROR_SUCCESS)
        return 1;
    ReadValues(key, writable);
    RegCloseKey(key);
    return 1;
}

int SaveDefaultApp(void)
{
    HKEY key;
    LONG opened = openSettingsKey(settingsKey, readWrite, 0, &key);
    if (opened != ERROR_SUCCESS)
        return opened == ERROR_FILE_NOT_FOUND ? SAVE_SKIPPED : SAVE_REFUSED;
    // The choice replaces a value; a deleted one stays deleted until the next start.
    DWORD size = 0;
    if (RegQueryValueExA(key, "DefaultTVAPP", NULL, NULL, NULL, &size) != ERROR_SUCCESS) {
        RegCloseKey(key);
        return SAVE_SKIPPED;
    }
    int written = WriteNumber(key, "DefaultTVAPP", (DWORD)defaultTvApp);
    RegCloseKey(key);
    return written ? SAVE_WRITTEN : SAVE_REFUSED;
}
