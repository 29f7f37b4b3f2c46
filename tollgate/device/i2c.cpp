// I2C status check and one-register transfers over the tuner's custom properties.
#include "device/i2c.h"

#include "device/device_access.h"
#include "device/i2c_rules.h"

static DWORD lastI2CByte = 0;

static const char warningCaption[] = "Marlin Custom Property Demo";

HRESULT CheckI2CDevice(DWORD address)
{
    DWORD ready = 0, status = 0;
    HRESULT result = DeviceSet(PROPERTY_I2C_SELECT, &address);
    if (!FAILED(result))
        result = DeviceGet(PROPERTY_I2C_READY, &ready);
    if (!FAILED(result))
        result = ready == 0 ? (HRESULT)I2C_NOT_READY : DeviceGet(PROPERTY_I2C_STATUS, &status);
    if (result == I2C_NOT_READY)
        MessageBoxA(NULL, "I2C device was powered down or not ready", warningCaption,
                    MB_ICONWARNING);
    else if (result != 0)
        MessageBoxA(NULL, "I2C device not detected", warningCaption, MB_ICONWARNING);
    return result;
}

DWORD LastI2CByte(void)
{
    return lastI2CByte;
}

static HRESULT Transfer(int write, DWORD address, DWORD registerIndex, DWORD count,
                        DWORD *buffer)
{
    DWORD header = I2CHeader(address, registerIndex, count);
    HRESULT result = DeviceSet(PROPERTY_I2C_HEADER, &header);
    if (!FAILED(result))
        result = write ? DeviceSet(PROPERTY_I2C_DATA, buffer) : DeviceGet(PROPERTY_I2C_DATA, buffer);
    if (FAILED(result)) {
        DWORD cancel = 0;
        DeviceSet(PROPERTY_I2C_HEADER, &cancel);
    }
    return result;
}

HRESULT ReadI2C(DWORD address, DWORD registerIndex, DWORD count, DWORD *buffer)
{
    HRESULT result = Transfer(0, address, registerIndex, count, buffer);
    if (result == 0)
        lastI2CByte = *buffer;
    return result;
}

HRESULT WriteI2C(DWORD address, DWORD registerIndex, DWORD count, DWORD *buffer)
{
    return Transfer(1, address, registerIndex, count, buffer);
}
