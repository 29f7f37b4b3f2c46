// Opening and closing the tuner's property interface, with COM held only in between.
#include "device_access.h"

#include "common/bounded_text.h"
#include "ds_name.h"
#include "filter_search.h"

DeviceAccess *deviceAccess = NULL;
// One device is open at a time, so its record needs no heap (and the program no C++ allocator).
static DeviceAccess openDevice;

static const char fallbackDeviceName[] = "USB Alder Device";

int OpenDevice(void)
{
    CoInitialize(NULL);
    openDevice = DeviceAccess();
    deviceAccess = &openDevice;
    char name[DS_NAME_SIZE];
    if (!GetDSName(name))
        CopyText(name, sizeof name, fallbackDeviceName);
    IBaseFilter *filter = FindFilterByName(name);
    if (!filter)
        filter = FindFilterFromTable();
    if (filter) {
        IDeviceCustomProperty *property = NULL;
        deviceAccess->lastResult = filter->QueryInterface(IID_IDeviceCustomProperty,
                                                          (void **)&property);
        filter->Release();
        if (!FAILED(deviceAccess->lastResult) && property)
            deviceAccess->property = property;
        else if (property)
            property->Release();
    }
    if (!deviceAccess->property) {
        deviceAccess = NULL;
        CoUninitialize();
        return 0;
    }
    DeviceGet(PROPERTY_OPEN_FIRST, &deviceAccess->firstOpenValue);
    DeviceGet(PROPERTY_OPEN_SECOND, &deviceAccess->secondOpenValue);
    return 1;
}

void CloseDevice(void)
{
    if (!deviceAccess)
        return;
    if (deviceAccess->property) {
        deviceAccess->property->Release();
        deviceAccess->property = NULL;
    }
    deviceAccess = NULL;
    CoUninitialize();
}

HRESULT DeviceSet(ULONG propertyId, void *buffer)
{
    if (!deviceAccess || !deviceAccess->property)
        return DEVICE_NOT_OPEN;
    deviceAccess->lastResult = deviceAccess->property->Set(propertyId, buffer);
    return deviceAccess->lastResult;
}

HRESULT DeviceGet(ULONG propertyId, void *buffer)
{
    if (!deviceAccess || !deviceAccess->property)
        return DEVICE_NOT_OPEN;
    deviceAccess->lastResult = deviceAccess->property->Get(propertyId, buffer);
    return deviceAccess->lastResult;
}
