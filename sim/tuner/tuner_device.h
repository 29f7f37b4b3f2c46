// The I2C device behind one property interface of the virtual tuner: what the filter
// server forwards Set and Get to.
#ifndef SIM_TUNER_DEVICE_H
#define SIM_TUNER_DEVICE_H

#include <windows.h>

#include "tuner_control.h"

// One property interface's view of the device: the address selected and the announced
// transfer.
struct TunerI2CSession {
    int slot;
    DWORD selected;
    DWORD header;      // 0: no transfer announced
};
HRESULT TunerPropertySet(TunerI2CSession *session, ULONG propertyId, void *buffer);
HRESULT TunerPropertyGet(TunerI2CSession *session, ULONG propertyId, void *buffer);

#endif
