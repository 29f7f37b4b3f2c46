// IDeviceCustomProperty: the tuner driver's property interface on its capture filter.
#ifndef TOLLGATE_DEVICE_DEVICE_PROPERTY_H
#define TOLLGATE_DEVICE_DEVICE_PROPERTY_H

#include <windows.h>
#include <unknwn.h>

// {846A4C4E-76D8-42EC-A333-121F365A4DA8}
inline const IID IID_IDeviceCustomProperty = { 0x846A4C4E, 0x76D8, 0x42EC,
                                                { 0xA3, 0x33, 0x12, 0x1F, 0x36, 0x5A, 0x4D, 0xA8 } };

// The method order is the driver's; the launcher only calls Set and Get.
struct IDeviceCustomProperty : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Reserved(void) = 0;
    virtual HRESULT STDMETHODCALLTYPE Set(ULONG propertyId, void *buffer) = 0;
    virtual HRESULT STDMETHODCALLTYPE Get(ULONG propertyId, void *buffer) = 0;
};

// Property identifiers, all with 32-bit buffers.
enum {
    PROPERTY_I2C_HEADER = 0x1007,     // announces a transfer; 0 cancels a failed one
    PROPERTY_I2C_DATA = 0x1008,       // the bytes of the announced transfer
    PROPERTY_I2C_SELECT = 0x100B,     // device address for the status reads
    PROPERTY_I2C_STATUS = 0x1013,
    PROPERTY_I2C_READY = 0x1014,      // 0: powered down or not ready
    PROPERTY_OPEN_FIRST = 0x1027,
    PROPERTY_OPEN_SECOND = 0x1028
};

#endif
