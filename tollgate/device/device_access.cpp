// Opening and closing the tuner's property interface, with COM held only in between.
#include "device/device_access.h"

#include "device/filter_search.h"

// One device is open at a time, so its record needs no heap (and the program no C++
// allocator); it is open while it holds the property interface.
static DeviceAccess device;

const DeviceAccess *OpenedDevice(void)
{
    return device.property ? &device : NULL;
}

int OpenDevice(void)
{
    CoInitialize(NULL);
    device = DeviceAccess();
    IBaseFilter *filter = FindTunerFilter();
    if (filter) {
        IDeviceCustomProperty *property = NULL;
        device.lastResult = filter->QueryInterface(IID_IDeviceCustomProperty, (void **)&property);
        filter->Release();
        if (!FAILED(device.lastResult) && property)
            device.property = property;
        else if (property)
            property->Release();
    }
    if (!device.property) {
        CoUninitialize();
        return 0;
    }
    DeviceGet(PROPERTY_OPEN_FIRST, &device.firstOpenValue);
    DeviceGet(PROPERTY_OPEN_SECOND, &device.secondOpenValue);
    return 1;
}

void CloseDevice(void)
{
    if (!device.property)
        return;
    device.property->Release();
    device.property = NULL;
    CoUninitialize();
}

HRESULT DeviceSet(ULONG propertyId, void *buffer)
{
    if (!device.property)
        return DEVICE_NOT_OPEN;
    device.lastResult = device.property->Set(propertyId, buffer);
    return device.lastResult;
}

HRESULT DeviceGet(ULONG propertyId, void *buffer)
{
    if (!device.property)
        return DEVICE_NOT_OPEN;
    device.lastResult = device.property->Get(propertyId, buffer);
    return device.lastResult;
}
