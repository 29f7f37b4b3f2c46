// Registering and unregistering the virtual tuner's filters by hand, as the system's
// filter mapper would: the server under HKCR\CLSID and an Instance entry in a category,
// which is all the system device enumerator lists.
#include "tuner_control.h"

#include <windows.h>
#include <stdio.h>
#include <string.h>

#include "tuner_settings.h"

enum { CATEGORY_COUNT = 3 };

// Indexed by TunerCategory.
static const GUID categories[CATEGORY_COUNT] = {
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

GUID TunerCategoryGuid(TunerCategory category)
{
    return categories[(unsigned)category < CATEGORY_COUNT ? category : TUNER_CATEGORY_NETWORK];
}

static int IsSlot(int slot)
{
    return slot >= 0 && slot < TUNER_SLOT_COUNT;
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

static int ServerKeyPath(int slot, const char *below, char *path, size_t size)
{
    char clsidText[64];
    if (!GuidText(TunerSlotClsid(slot), clsidText, sizeof clsidText))
        return 0;
    int written = snprintf(path, size, "CLSID\\%s%s", clsidText, below);
    return written > 0 && (size_t)written < size;
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

// Creates HKCR\path and sets two string values in it (the first may be the default value).
static int WriteKey(const char *path, const char *name1, const char *value1, const char *name2,
                    const char *value2)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, path, 0, NULL, 0, KEY_WRITE, NULL, &key, NULL) != ERROR_SUCCESS)
        return 0;
    int ok = SetString(key, name1, value1) && SetString(key, name2, value2);
    RegCloseKey(key);
    return ok;
}

// A key that is not there counts as deleted.
static int DeleteKey(const char *path)
{
    LONG result = RegDeleteKeyA(HKEY_CLASSES_ROOT, path);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

int TunerPlugServer(int slot, TunerCategory category, const char *friendlyName, int withProperty,
                    const char *serverPath)
{
    if (!IsSlot(slot) || (unsigned)category >= CATEGORY_COUNT || !friendlyName || !serverPath)
        return 0;
    char clsidText[64], path[256];
    if (!TunerUnplug(slot) || !GuidText(TunerSlotClsid(slot), clsidText, sizeof clsidText))
        return 0;
    // The property switch first: the filter reads it when it is asked for the interface.
    if (!TunerSetSlotValue(slot, "Property", withProperty ? 1 : 0))
        return 0;
    if (!ServerKeyPath(slot, "\\InprocServer32", path, sizeof path)
        || !WriteKey(path, NULL, serverPath, "ThreadingModel", "Both"))
        return 0;
    if (!InstanceKeyPath(category, slot, path, sizeof path)
        || !WriteKey(path, "FriendlyName", friendlyName, "CLSID", clsidText)) {
        TunerUnplug(slot);
        return 0;
    }
    return 1;
}

int TunerPlug(int slot, TunerCategory category, const char *friendlyName, int withProperty)
{
    char server[MAX_PATH];
    return TunerServerPath(server, sizeof server)
           && TunerPlugServer(slot, category, friendlyName, withProperty, server);
}

int TunerUnplug(int slot)
{
    if (!IsSlot(slot))
        return 0;
    char path[256];
    int ok = 1;
    for (int category = 0; category < CATEGORY_COUNT; ++category)
        ok = InstanceKeyPath(category, slot, path, sizeof path) && DeleteKey(path) && ok;
    ok = ServerKeyPath(slot, "\\InprocServer32", path, sizeof path) && DeleteKey(path) && ok;
    ok = ServerKeyPath(slot, "", path, sizeof path) && DeleteKey(path) && ok;
    return ok;
}

int TunerUnplugAll(void)
{
    int ok = 1;
    for (int slot = 0; slot < TUNER_SLOT_COUNT; ++slot)
        ok = TunerUnplug(slot) && ok;
    return ok;
}

int TunerGetPlug(int slot, TunerCategory *category, char *friendlyName, DWORD nameSize,
                 int *withProperty)
{
    if (!IsSlot(slot))
        return 0;
    char path[256];
    for (int index = 0; index < CATEGORY_COUNT; ++index) {
        HKEY key;
        if (!InstanceKeyPath(index, slot, path, sizeof path)
            || RegOpenKeyExA(HKEY_CLASSES_ROOT, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
            continue;
        if (friendlyName && nameSize > 0) {
            DWORD type = 0, size = nameSize - 1;
            friendlyName[0] = '\0';
            if (RegQueryValueExA(key, "FriendlyName", NULL, &type, (BYTE *)friendlyName, &size)
                    == ERROR_SUCCESS && type == REG_SZ)
                friendlyName[size < nameSize ? size : nameSize - 1] = '\0';
            else
                friendlyName[0] = '\0';
        }
        RegCloseKey(key);
        if (category)
            *category = (TunerCategory)index;
        if (withProperty)
            *withProperty = TunerGetSlotValue(slot, "Property", 0) ? 1 : 0;
        return 1;
    }
    return 0;
}
