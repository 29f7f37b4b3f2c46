// The tuner driver's custom property interface as its callers know it: IUnknown, one
// method nobody calls, then Set and Get of a 32-bit property id with a 32-bit buffer.
#ifndef SIM_TUNER_PROPERTY_H
#define SIM_TUNER_PROPERTY_H

#include <windows.h>

// {846A4C4E-76D8-42EC-A333-121F365A4DA8}
static const IID IID_TunerDeviceCustomProperty = {
    0x846A4C4E, 0x76D8, 0x42EC, { 0xA3, 0x33, 0x12, 0x1F, 0x36, 0x5A, 0x4D, 0xA8 }
};

struct TunerDeviceCustomProperty : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Reserved(void) = 0;
    virtual HRESULT STDMETHODCALLTYPE Set(ULONG propertyId, void *buffer) = 0;
    virtual HRESULT STDMETHODCALLTYPE Get(ULONG propertyId, void *buffer) = 0;
};

enum {
    TUNER_PROP_I2C_HEADER = 0x1007,   // count, register, address, 0x01 (lowest byte first); 0 cancels
    TUNER_PROP_I2C_DATA = 0x1008,     // the byte of the announced transfer
    TUNER_PROP_I2C_SELECT = 0x100B,   // device address for the two status reads
    TUNER_PROP_I2C_STATUS = 0x1013,
    TUNER_PROP_I2C_READY = 0x1014,    // 0: powered down or not ready
    TUNER_PROP_OPEN_FIRST = 0x1027,
    TUNER_PROP_OPEN_SECOND = 0x1028
};

// The header of a transfer of count bytes at register of the device at address.
inline DWORD TunerI2CHeader(DWORD address, DWORD registerIndex, DWORD count)
{
    return (count & 0xFF) | (registerIndex & 0xFF) << 8 | (address & 0xFF) << 16 | 0x01u << 24;
}

#endif
