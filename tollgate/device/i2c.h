// The I2C device behind the tuner, reached through the property interface.
#ifndef TOLLGATE_DEVICE_I2C_H
#define TOLLGATE_DEVICE_I2C_H

#include <windows.h>

enum { I2C_NOT_READY = 21 };

// The last byte a successful read delivered.
DWORD LastI2CByte(void);

// 0 when the device answers; I2C_NOT_READY or a failed call's result otherwise, after a
// warning.
HRESULT CheckI2CDevice(DWORD address);
// 0 on success; a failed transfer is cancelled with a header of 0.
HRESULT ReadI2C(DWORD address, DWORD registerIndex, DWORD count, DWORD *buffer);
HRESULT WriteI2C(DWORD address, DWORD registerIndex, DWORD count, DWORD *buffer);

#endif
