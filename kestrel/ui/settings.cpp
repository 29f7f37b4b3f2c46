// The settings store: two REG_DWORD values, every write flushed at once.
#include "ui/settings.h"

#include <windows.h>
#include <string.h>

// Where both live, under HKEY_LOCAL_MACHINE.
static const char settingsKey[] = "SOFTWARE\\Corvel\\Lintel Twin Utilities";

int defaultTvApp = 9;
int alwaysRemoteOff = 0;

static void WriteNumber(HKEY key, const char *name, DWORD number)
{
    RegSetValueExA(key, name, 0, REG_DWORD, (const BYTE *)&number, sizeof number);
    RegFlushKey(key);
}

// The first four bytes of a value of any type and length (fewer read as zero bytes); 1 when
// the value exists. A longer value must still count as present, or it would be overwritten.
static int ReadNumber(HKEY key, const char *name, DWORD *number)
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

int LoadSettings(void)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, settingsKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, settingsKey, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key, NULL)
            != ERROR_SUCCESS)
            return 1;
        WriteNumber(key, "DefaultTVAPP", (DWORD)defaultTvApp);
        WriteNumber(key, "AlwaysRemoteOff", 0);
        RegCloseKey(key);
        return 1;
    }
    DWORD number;
    if (ReadNumber(key, "DefaultTVAPP", &number))
        defaultTvApp = (int)number;
    else
        WriteNumber(key, "DefaultTVAPP", (DWORD)defaultTvApp);
    if (ReadNumber(key, "AlwaysRemoteOff", &number))
        alwaysRemoteOff = number == 1;
    else
        WriteNumber(key, "AlwaysRemoteOff", 0);
    RegCloseKey(key);
    return 1;
}

int SaveDefaultApp(void)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, settingsKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return 0;
    // The choice replaces a value; a deleted one stays deleted until the next start.
    DWORD size = 0;
    if (RegQueryValueExA(key, "DefaultTVAPP", NULL, NULL, NULL, &size) != ERROR_SUCCESS) {
        RegCloseKey(key);
        return 0;
    }
    WriteNumber(key, "DefaultTVAPP", (DWORD)defaultTvApp);
    RegCloseKey(key);
    return 1;
}
