// Per-slot values of the virtual tuner in the registry.
#include "tuner_settings.h"

#include <stdio.h>

#include "tuner_control.h"

static int SlotKeyPath(int slot, char *path, size_t size)
{
    if (slot < 0 || slot >= TUNER_SLOT_COUNT)
        return 0;
    int written = snprintf(path, size, "Software\\VirtualTuner\\Slot%d", slot);
    return written > 0 && (size_t)written < size;
}

int TunerSetSlotValue(int slot, const char *name, DWORD value)
{
    char path[64];
    HKEY key;
    if (!SlotKeyPath(slot, path, sizeof path)
        || RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, NULL, 0, KEY_WRITE, NULL, &key, NULL) != ERROR_SUCCESS)
        return 0;
    int ok = RegSetValueExA(key, name, 0, REG_DWORD, (const BYTE *)&value, sizeof value) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

DWORD TunerGetSlotValue(int slot, const char *name, DWORD fallback)
{
    char path[64];
    HKEY key;
    if (!SlotKeyPath(slot, path, sizeof path)
        || RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return fallback;
    DWORD value = 0, type = 0, size = sizeof value;
    LONG result = RegQueryValueExA(key, name, NULL, &type, (BYTE *)&value, &size);
    RegCloseKey(key);
    return (result == ERROR_SUCCESS && type == REG_DWORD) ? value : fallback;
}
