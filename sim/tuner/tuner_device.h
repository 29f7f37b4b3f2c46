// The I2C device behind the virtual tuner's custom property interface: one device at
// address 0xA0 whose registers persist per slot (HKLM\Software\VirtualTuner\SlotN), with
// faults a test can inject and counters a test can read.
#ifndef SIM_TUNER_DEVICE_H
#define SIM_TUNER_DEVICE_H

#include <windows.h>

enum { TUNER_I2C_ADDRESS = 0xA0, TUNER_I2C_DEFAULT_BYTE = 0xD0 };

enum TunerFault {
    TUNER_FAULT_NOT_READY = 1,   // the readiness flag reads 0
    TUNER_FAULT_SELECT = 2,      // selecting the device address fails
    TUNER_FAULT_READ = 4,        // reading the data bytes fails
    TUNER_FAULT_WRITE = 8        // writing the data bytes fails
};

// Registers of the device at 0xA0 (a register never written reads TUNER_I2C_DEFAULT_BYTE).
int TunerSetRegister(int slot, int registerIndex, DWORD value);
DWORD TunerGetRegister(int slot, int registerIndex);
int TunerSetFaults(int slot, DWORD faults);
// Counters since the last reset: "I2CReads", "I2CWrites", "I2CCancels".
DWORD TunerGetCounter(int slot, const char *name);
int TunerResetCounters(int slot);

// One property interface's view of the device: the address selected and the announced
// transfer. Used by the filter server.
struct TunerI2CSession {
    int slot;
    DWORD selected;
    DWORD header;      // 0: no transfer announced
};
HRESULT TunerPropertySet(TunerI2CSession *session, ULONG propertyId, void *buffer);
HRESULT TunerPropertyGet(TunerI2CSession *session, ULONG propertyId, void *buffer);

#endif
