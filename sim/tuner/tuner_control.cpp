// Registering and unregistering the virtual tuner's filters by hand, as the system's
// filter mapper would: the server under HKCR\CLSID and an Instance entry in a category.
#include <windows.h>
#include <stdio.h>
#include <string.h>

#include "tuner_control.h"
#include "tuner_settings.h"

static const GUID categories[] = {
    { 0x71985F48, 0x1CA1, 0x11D3, { 0x9C, 0xC8, 0x00, 0xC0, 0x4F, 0x79, 0x71, 0xE0 } },
    { 0x860BB310, 0x5D01, 0x11D0, { 0xBD, 0x3B, 0x00, 0xA0, 0xC9, 0x11, 0xCE, 0x86 } },
    { 0xFD0A5AF4, 0xB41D, 0x11D2, { 0x9C, 0x95, 0x00, 0xC0, 0x4F, 0x79, 0x71, 0xE0 } },
};

CLSID TunerSlotClsid(int slot)
{
    CLSID clsid = { 0x5A1E0000u | (unsigned)(slot & 0xFF), 0x7C3B, 0x4D2A,
                    { 0x9E, 0x61, 0x3F, 0x0B, 0x8C, 0x2D, 0x4E, 0x00 } };
    return clsid;
}

static int GuidText(const GUID &guid, char *text, size_t size)
{
    int written = snprintf(text, size, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                           (unsigned long)guid.Data1, guid.Data2, guid.Data3,
                           guid.Data4[0], guid.Data4[1], guid.Data4[2], guid.Data4[3],
                           guid.Data4[4], guid.Data4[5], guid.Data4[6], guid.Data4[7]);
    return written > 0 && (size_t)written < size;
}

int TunerServerPath(char *path, DWORD size)
{
    DWORD length = GetModuleFileNameA(NULL, path, size);
    if (length == 0 || length >= size)
        return 0;
    char *slash = strrchr(path, '\\');
    if (!slash)
        return 0;
    size_t folder = (size_t)(slash - path) + 1;
    int written = snprintf(path + folder, size - folder, "vtuner.dll");
    return written > 0 && (size_t)written < size - folder;
}

static int SetString(HKEY key, const char *name, const char *value)
{
    return RegSetValueExA(key, name, 0, REG_SZ, (const BYTE *)value, (DWORD)strlen(value) + 1)
           == ERROR_SUCCESS;
}

static int InstanceKeyPath(int category, int slot, char *path, size_t size)
{
    char categoryText[64], clsidText[64];
    if (!GuidText(categories[category], categoryText, sizeof categoryText)
        || !GuidText(TunerSlotClsid(slot), clsidText, sizeof clsidText))
        return 0;
    int written = snprintf(path, size, "CLSID\\%s\\Instance\\%s", categoryText, clsidText);
    return written > 0 && (size_t)written < size;
}

int TunerPlug(int slot, TunerCategory category, const char *friendlyName, int withProperty)
{
    if (slot < 0 || slot >= TUNER_SLOT_COUNT || category < 0 || category > TUNER_CATEGORY_RECEIVER)
        return 0;
    TunerUnplug(slot);
    char server[MAX_PATH], clsidText[64], path[256];
    if (!TunerServerPath(server, sizeof server) || !GuidText(TunerSlotClsid(slot), clsidText, sizeof clsidText))
        return 0;

    snprintf(path, sizeof path, "CLSID\\%s\\InprocServer32", clsidText);
    HKEY key;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, path, 0, NULL, 0, KEY_WRITE, NULL, &key, NULL) != ERROR_SUCCESS)
        return 0;
    int ok = SetString(key, NULL, server) && SetString(key, "ThreadingModel", "Both");
    RegCloseKey(key);
    if (!ok)
        return 0;

    if (!InstanceKeyPath(category, slot, path, sizeof path))
        return 0;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, path, 0, NULL, 0, KEY_WRITE, NULL, &key, NULL) != ERROR_SUCCESS)
        return 0;
    ok = SetString(key, "FriendlyName", friendlyName) && SetString(key, "CLSID", clsidText);
    RegCloseKey(key);
    return ok && TunerSetSlotValue(slot, "Property", withProperty ? 1 : 0);
}

int TunerUnplug(int slot)
{
    char path[256], clsidText[64];
    if (!GuidText(TunerSlotClsid(slot), clsidText, sizeof clsidText))
        return 0;
    for (int category = 0; category <= TUNER_CATEGORY_RECEIVER; ++category)
        if (InstanceKeyPath(category, slot, path, sizeof path))
            RegDeleteKeyA(HKEY_CLASSES_ROOT, path);
    snprintf(path, sizeof path, "CLSID\\%s\\InprocServer32", clsidText);
    RegDeleteKeyA(HKEY_CLASSES_ROOT, path);
    snprintf(path, sizeof path, "CLSID\\%s", clsidText);
    RegDeleteKeyA(HKEY_CLASSES_ROOT, path);
    return 1;
}

int TunerUnplugAll(void)
{
    for (int slot = 0; slot < TUNER_SLOT_COUNT; ++slot)
        if (!TunerUnplug(slot))
            return 0;
    return 1;
}
