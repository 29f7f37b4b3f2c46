// Walking the device categories for the tuner's capture filter.
#include "filter_search.h"

#include <string.h>

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

// The friendly name in the ANSI code page; 0 when it cannot be read or does not fit.
static int ReadFriendlyName(IMoniker *moniker, char name[DS_NAME_SIZE])
{
    IPropertyBag *bag = NULL;
    if (FAILED(moniker->BindToStorage(NULL, NULL, IID_IPropertyBag, (void **)&bag)) || !bag)
        return 0;
    int read = 0;
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    if (bag->Read(L"FriendlyName", &value, NULL) == S_OK) {
        if (value.vt == VT_BSTR && value.bstrVal)
            read = WideCharToMultiByte(CP_ACP, 0, value.bstrVal, -1, name, DS_NAME_SIZE, NULL,
                                       NULL) != 0;
        VariantClear(&value);
    }
    bag->Release();
    return read;
}

IBaseFilter *FindFilterInCategory(const GUID &category, const char *name)
{
    ICreateDevEnum *devices = NULL;
    if (FAILED(CoCreateInstance(CLSID_SystemDeviceEnum, NULL, CLSCTX_INPROC_SERVER,
                                IID_ICreateDevEnum, (void **)&devices)) || !devices)
        return NULL;
    IEnumMoniker *monikers = NULL;
    HRESULT created = devices->CreateClassEnumerator(category, &monikers, 0);
    devices->Release();
    // An empty category answers S_FALSE and gives no enumerator.
    if (created != S_OK || !monikers)
        return NULL;

    size_t prefix = strlen(name);
    IBaseFilter *filter = NULL;
    IMoniker *moniker = NULL;
    monikers->Reset();
    while (!filter && monikers->Next(1, &moniker, NULL) == S_OK) {
        char friendlyName[DS_NAME_SIZE];
        if (ReadFriendlyName(moniker, friendlyName) && strncmp(friendlyName, name, prefix) == 0
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
