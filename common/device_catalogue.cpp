// Opening a device category and reading a device's friendly name.
#include "common/device_catalogue.h"

IEnumMoniker *OpenDeviceCategory(const GUID &category)
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
    monikers->Reset();
    return monikers;
}

int ReadFriendlyName(IMoniker *device, char *name, int size)
{
    IPropertyBag *bag = NULL;
    if (FAILED(device->BindToStorage(NULL, NULL, IID_IPropertyBag, (void **)&bag)) || !bag)
        return 0;
    int read = 0;
    // Handed over empty: a bag that clears what it is given before filling it must not
    // meet a string pointer that was never set.
    VARIANT value;
    VariantInit(&value);
    if (bag->Read(L"FriendlyName", &value, NULL) == S_OK) {
        // A name that does not fit fails the conversion, so it is never taken cut off.
        if (value.vt == VT_BSTR && value.bstrVal)
            read = WideCharToMultiByte(CP_ACP, 0, value.bstrVal, -1, name, size, NULL, NULL) != 0;
        VariantClear(&value);
    }
    bag->Release();
    return read;
}
