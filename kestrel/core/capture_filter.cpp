// Finds a DirectShow capture filter by its exact friendly name in one device category.
#include <windows.h>
#include <dshow.h>
#include <string.h>

#include "receiver.h"

enum { FRIENDLY_NAME_BYTES = 80 };

int FriendlyNameMatches(const wchar_t *friendlyName, const char *wanted)
{
    char converted[FRIENDLY_NAME_BYTES];
    // A name that does not fit the buffer fails the conversion and cannot match.
    int written = WideCharToMultiByte(CP_ACP, 0, friendlyName, -1, converted,
                                      FRIENDLY_NAME_BYTES, NULL, NULL);
    if (written == 0)
        return 0;
    converted[FRIENDLY_NAME_BYTES - 1] = '\0';
    return strcmp(converted, wanted) == 0;
}

static int MonikerHasName(IMoniker *moniker, const char *friendlyName)
{
    IPropertyBag *bag = NULL;
    if (FAILED(moniker->BindToStorage(NULL, NULL, IID_IPropertyBag, (void **)&bag)) || !bag)
        return 0;
    int match = 0;
    VARIANT name;
    VariantInit(&name);
    name.vt = VT_BSTR;
    if (bag->Read(L"FriendlyName", &name, NULL) == S_OK) {
        if (name.vt == VT_BSTR && name.bstrVal)
            match = FriendlyNameMatches(name.bstrVal, friendlyName);
        VariantClear(&name);
    }
    bag->Release();
    return match;
}

IBaseFilter *FindCaptureFilter(const char *friendlyName, const GUID &category)
{
    ICreateDevEnum *devices = NULL;
    if (FAILED(CoCreateInstance(CLSID_SystemDeviceEnum, NULL, CLSCTX_INPROC_SERVER,
                                IID_ICreateDevEnum, (void **)&devices)) || !devices)
        return NULL;
    IEnumMoniker *monikers = NULL;
    HRESULT created = devices->CreateClassEnumerator(category, &monikers, 0);
    devices->Release();
    // An empty category answers S_FALSE with no enumerator.
    if (created != S_OK || !monikers)
        return NULL;

    IBaseFilter *filter = NULL;
    IMoniker *moniker = NULL;
    monikers->Reset();
    while (monikers->Next(1, &moniker, NULL) == S_OK) {
        int match = MonikerHasName(moniker, friendlyName);
        if (match && FAILED(moniker->BindToObject(NULL, NULL, IID_IBaseFilter, (void **)&filter)))
            filter = NULL;
        moniker->Release();
        moniker = NULL;
        // The first device with the name wins, bound or not.
        if (match)
            break;
    }
    monikers->Release();
    return filter;
}
