// Shared-state mapping of the virtual stick and its plugged-in test.
#include <windows.h>
#include <stdio.h>
#include <string.h>

#include "stick_state.h"

static StickState *mapped = NULL;

StickState *OpenStickState(void)
{
    if (mapped)
        return mapped;
    char path[MAX_PATH];
    UINT length = GetWindowsDirectoryA(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return NULL;
    size_t used = strlen(path);
    int added = snprintf(path + used, sizeof path - used, "\\Temp\\virtual_stick.bin");
    if (added < 0 || (size_t)added >= sizeof path - used)
        return NULL;
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return NULL;
    HANDLE mapping = CreateFileMappingA(file, NULL, PAGE_READWRITE, 0, sizeof(StickState), NULL);
    CloseHandle(file);
    if (!mapping)
        return NULL;
    StickState *state = (StickState *)MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(StickState));
    CloseHandle(mapping);
    if (!state)
        return NULL;
    // A new file reads as zeroes; the first user stamps it.
    InterlockedCompareExchange((volatile LONG *)&state->magic, STICK_MAGIC, 0);
    mapped = state;
    return mapped;
}

void LockStick(StickState *state)
{
    while (InterlockedCompareExchange(&state->lock, 1, 0) != 0)
        Sleep(0);
}

void UnlockStick(StickState *state)
{
    InterlockedExchange(&state->lock, 0);
}

int StickPluggedIn(void)
{
    static const char instances[] =
        "CLSID\\{71985F48-1CA1-11D3-9CC8-00C04F7971E0}\\Instance";
    HKEY category;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, instances, 0, KEY_READ, &category) != ERROR_SUCCESS)
        return 0;
    int found = 0;
    char name[128];
    for (DWORD i = 0; !found; ++i) {
        DWORD nameLength = sizeof name;
        if (RegEnumKeyExA(category, i, name, &nameLength, NULL, NULL, NULL, NULL) != ERROR_SUCCESS)
            break;
        HKEY device;
        if (RegOpenKeyExA(category, name, 0, KEY_READ, &device) != ERROR_SUCCESS)
            continue;
        char friendly[128];
        DWORD size = sizeof friendly - 1;
        DWORD type = 0;
        if (RegQueryValueExA(device, "FriendlyName", NULL, &type, (BYTE *)friendly, &size) == ERROR_SUCCESS
            && type == REG_SZ) {
            friendly[size < sizeof friendly ? size : sizeof friendly - 1] = '\0';
            found = strcmp(friendly, "AF9015 BDA Filter") == 0;
        }
        RegCloseKey(device);
    }
    RegCloseKey(category);
    return found;
}
