// DeviceAccess: the open tuner device, one at a time, while the byte is checked.
#ifndef TOLLGATE_DEVICE_DEVICE_ACCESS_H
#define TOLLGATE_DEVICE_DEVICE_ACCESS_H

#include <windows.h>

#include "device/device_property.h"

struct DeviceAccess {
    IDeviceCustomProperty *property;
    HRESULT lastResult;
    DWORD firstOpenValue;
    DWORD secondOpenValue;
};

// The open device's record; NULL while none is open.
const DeviceAccess *OpenedDevice(void);

// Result of a property call when no device is open.
enum { DEVICE_NOT_OPEN = 6 };

int OpenDevice(void);
void CloseDevice(void);
HRESULT DeviceSet(ULONG propertyId, void *buffer);
HRESULT DeviceGet(ULONG propertyId, void *buffer);

#endif
