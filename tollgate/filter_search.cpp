// Walking the device categories for the tuner's capture filter.
#include "filter_search.h"

#include <string.h>

#include "common/device_catalogue.h"
#include "ds_name.h"

// CLSID_VideoInputDeviceCategory, then KSCATEGORY_BDA_RECEIVER_COMPONENT.
static const GUID searchedCategories[] = {
    { 0x860BB310, 0x5D01, 0x11D0, { 0xBD, 0x3B, 0x00, 0xA0, 0xC9, 0x11, 0xCE, 0x86 } },
    { 0xFD0A5AF4, 0xB41D, 0x11D2, { 0x9C, 0x95, 0x00, 0xC0, 0x4F, 0x79, 0x71, 0xE0 } },
};

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

IBaseFilter *FindFilterByName(const char *name)
{
    for (size_t c = 0; c < sizeof searchedCategories / sizeof searchedCategories[0]; ++c) {
        IBaseFilter *filter = FindFilterInCategory(searchedCategories[c], name);
        if (filter)
            return filter;
    }
    return NULL;
}

IBaseFilter *FindFilterFromTable(void)
{
    for (size_t n = 0; n < sizeof builtInNames / sizeof builtInNames[0]; ++n) {
        IBaseFilter *filter = FindFilterByName(builtInNames[n]);
        if (filter)
            return filter;
    }
    return NULL;
}
