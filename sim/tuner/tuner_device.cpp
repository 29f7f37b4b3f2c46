// Emulated I2C device of the virtual tuner, as the property calls reach it. Registers,
// faults and counters live in the slot's registry key so that they outlast the process
// that made the calls and a test in another process can set and read them.
#include "tuner_device.h"

#include <stdio.h>

#include "tuner_property.h"
#include "tuner_settings.h"

static void RegisterName(int registerIndex, char *name, size_t size)
{
    snprintf(name, size, "I2CRegister%d", registerIndex & 0xFF);
}

int TunerSetRegister(int slot, int registerIndex, DWORD value)
{
    char name[32];
    RegisterName(registerIndex, name, sizeof name);
    return TunerSetSlotValue(slot, name, value & 0xFF);
}

DWORD TunerGetRegister(int slot, int registerIndex)
{
    char name[32];
    RegisterName(registerIndex, name, sizeof name);
    return TunerGetSlotValue(slot, name, TUNER_I2C_DEFAULT_BYTE) & 0xFF;
}

int TunerSetFaults(int slot, DWORD faults)
{
    return TunerSetSlotValue(slot, "I2CFaults", faults);
}

DWORD TunerGetFaults(int slot)
{
    return TunerGetSlotValue(slot, "I2CFaults", 0);
}

DWORD TunerGetCounter(int slot, const char *name)
{
    return TunerGetSlotValue(slot, name, 0);
}

int TunerResetCounters(int slot)
{
    return TunerSetSlotValue(slot, "I2CReads", 0) && TunerSetSlotValue(slot, "I2CWrites", 0)
           && TunerSetSlotValue(slot, "I2CCancels", 0) && TunerSetSlotValue(slot, "I2CLastWrite", 0)
           && TunerSetSlotValue(slot, "StatusReads", 0);
}

static void Count(int slot, const char *name)
{
    TunerSetSlotValue(slot, name, TunerGetCounter(slot, name) + 1);
}

static int HasFault(const TunerI2CSession *session, DWORD fault)
{
    return (TunerGetFaults(session->slot) & fault) != 0;
}

// Only one-byte transfers to the one device behind the tuner are accepted.
static int HeaderIsValid(DWORD header)
{
    return (header & 0xFF) == 1 && ((header >> 16) & 0xFF) == TUNER_I2C_ADDRESS
           && (header >> 24) == 0x01;
}

HRESULT TunerPropertySet(TunerI2CSession *session, ULONG propertyId, void *buffer)
{
    if (!buffer)
        return E_POINTER;
    DWORD value = *(DWORD *)buffer;
    switch (propertyId) {
    case TUNER_PROP_I2C_SELECT:
        if (HasFault(session, TUNER_FAULT_SELECT))
            return E_FAIL;
        session->selected = value;
        return S_OK;
    case TUNER_PROP_I2C_HEADER:
        if (value == 0) {
            session->header = 0;
            Count(session->slot, "I2CCancels");
            return S_OK;
        }
        if (!HeaderIsValid(value))
            return E_INVALIDARG;
        session->header = value;
        return S_OK;
    case TUNER_PROP_I2C_DATA: {
        DWORD header = session->header;
        if (header == 0)
            return E_UNEXPECTED;
        if (HasFault(session, TUNER_FAULT_WRITE))
            return E_FAIL;
        session->header = 0;
        TunerSetRegister(session->slot, (int)((header >> 8) & 0xFF), value & 0xFF);
        TunerSetSlotValue(session->slot, "I2CLastWrite", value & 0xFF);
        Count(session->slot, "I2CWrites");
        return HasFault(session, TUNER_FAULT_WRITE_POSITIVE) ? S_FALSE : S_OK;
    }
    default:
        return E_NOTIMPL;
    }
}

HRESULT TunerPropertyGet(TunerI2CSession *session, ULONG propertyId, void *buffer)
{
    if (!buffer)
        return E_POINTER;
    DWORD *value = (DWORD *)buffer;
    switch (propertyId) {
    case TUNER_PROP_I2C_READY:
        if (HasFault(session, TUNER_FAULT_READY_CALL))
            return E_FAIL;
        *value = (session->selected == TUNER_I2C_ADDRESS && !HasFault(session, TUNER_FAULT_NOT_READY))
                     ? 1 : 0;
        return S_OK;
    case TUNER_PROP_I2C_STATUS:
        Count(session->slot, "StatusReads");
        if (HasFault(session, TUNER_FAULT_STATUS))
            return E_FAIL;
        *value = 0;
        return HasFault(session, TUNER_FAULT_STATUS_POSITIVE) ? S_FALSE : S_OK;
    case TUNER_PROP_I2C_DATA: {
        DWORD header = session->header;
        if (header == 0)
            return E_UNEXPECTED;
        if (HasFault(session, TUNER_FAULT_READ))
            return E_FAIL;
        session->header = 0;
        *value = TunerGetRegister(session->slot, (int)((header >> 8) & 0xFF));
        Count(session->slot, "I2CReads");
        return HasFault(session, TUNER_FAULT_READ_POSITIVE) ? S_FALSE : S_OK;
    }
    // Identification values a driver would report at open; nobody here interprets them.
    case TUNER_PROP_OPEN_FIRST:
        *value = 0x00010000;
        return S_OK;
    case TUNER_PROP_OPEN_SECOND:
        *value = 0x000000C0;
        return S_OK;
    default:
        return E_NOTIMPL;
    }
}
