// Walking the device categories for the tuner's capture filter, by the name the driver's
// installation recorded and then by the built-in names.
#include "device/filter_search.h"

#include <string.h>

#include "common/bounded_text.h"
#include "common/device_catalogue.h"

enum { NAME_VALUE_SIZE = 256 };

// The value gets its whole 256 bytes and text one more, for a terminator the stored value
// may lack; a longer value does not count as a name.
static int QueryName(HKEY key, const char *value, char text[NAME_VALUE_SIZE + 1])
{
    DWORD bytes = NAME_VALUE_SIZE;
    if (RegQueryValueExA(key, value, NULL, NULL, (BYTE *)text, &bytes) != ERROR_SUCCESS)
        return 0;
    text[bytes] = '\0';
    return 1;
}

int GetDSName(char nameOut[DS_NAME_SIZE])
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Halyard\\BDA", 0, KEY_READ, &key)
        != ERROR_SUCCESS)
        return 0;
    char text[NAME_VALUE_SIZE + 1];
    int found = QueryName(key, "RealDSName", text) || QueryName(key, "DSName", text);
    RegCloseKey(key);
    if (!found)
        return 0;
    CopyText(nameOut, DS_NAME_SIZE, text);
    return 1;
}

// CLSID_VideoInputDeviceCategory, then KSCATEGORY_BDA_RECEIVER_COMPONENT.
static const GUID searchedCategories[] = {
    { 0x860BB310, 0x5D01, 0x11D0, { 0xBD, 0x3B, 0x00, 0xA0, 0xC9, 0x11, 0xCE, 0x86 } },
    { 0xFD0A5AF4, 0xB41D, 0x11D2, { 0x9C, 0x95, 0x00, 0xC0, 0x4F, 0x79, 0x71, 0xE0 } },
};

// The name searched for when the registry records none.
static const char fallbackName[] = "USB Alder Device";

// The names the tuner's drivers have shipped under, in the order they are tried.
static const char *const builtInNames[] = {
    "USB Yew Device",
    "USB Willow Device",
    "USB Spruce Device",
    "USB Rowan Device",
    "USB Pine Device",
    "USB Oak Device",
    "USB Maple Device",
    "USB Larch Device",
    "USB Juniper Device",
    "USB Hazel Device",
    "USB Alder Device",
    "USB Fir Device",
    "USB Elm Device",
    "USB Cedar Device",
    "USB Birch Device",
};

static IBaseFilter *FindFilterInCategory(const GUID &category, const char *name)
{
    IEnumMoniker *monikers = OpenDeviceCategory(category);
    if (!monikers)
        return NULL;

    size_t prefix = strlen(name);
    IBaseFilter *filter = NULL;
    IMoniker *moniker = NULL;
    while (!filter && monikers->Next(1, &moniker, NULL) == S_OK) {
        char friendlyName[DS_NAME_SIZE];
        if (ReadFriendlyName(moniker, friendlyName, DS_NAME_SIZE) && strncmp(friendlyName, name, prefix) == 0
            && FAILED(moniker->BindToObject(NULL, NULL, IID_IBaseFilter, (void **)&filter)))
            filter = NULL;
        moniker->Release();
        moniker = NULL;
    }
    monikers->Release();
    return filter;
}

static IBaseFilter *FindFilterByName(const char *name)
{
    for (size_t c = 0; c < sizeof searchedCategories / sizeof searchedCategories[0]; ++c) {
        IBaseFilter *filter = FindFilterInCategory(searchedCategories[c], name);
        if (filter)
            return filter;
    }
    return NULL;
}

IBaseFilter *FindTunerFilter(void)
{
    char name[DS_NAME_SIZE];
    if (!GetDSName(name))
        CopyText(name, sizeof name, fallbackName);
    IBaseFilter *filter = FindFilterByName(name);
    if (filter)
        return filter;
    for (size_t n = 0; n < sizeof builtInNames / sizeof builtInNames[0]; ++n) {
        filter = FindFilterByName(builtInNames[n]);
        if (filter)
            return filter;
    }
    return NULL;
}
