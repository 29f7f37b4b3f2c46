// The I2C device behind the virtual tuner's property interface: what the filter server
// forwards Set and Get to, and how a test sets and reads its registers, faults and counters.
#ifndef SIM_TUNER_DEVICE_H
#define SIM_TUNER_DEVICE_H

#include <windows.h>

// The emulated I2C device at 0xA0. Its registers persist in the registry
// (HKLM\Software\VirtualTuner\SlotN); one never written reads TUNER_I2C_DEFAULT_BYTE.
enum { TUNER_I2C_ADDRESS = 0xA0, TUNER_I2C_DEFAULT_BYTE = 0xD0 };

enum TunerFault {
    TUNER_FAULT_NOT_READY = 1,   // the readiness flag reads 0
    TUNER_FAULT_SELECT = 2,      // selecting the device address fails
    TUNER_FAULT_READ = 4,        // reading the data bytes fails
    TUNER_FAULT_WRITE = 8,       // writing the data bytes fails
    // The status calls and answers a launcher must tell apart: a failed readiness or
    // status read, and a positive non-zero result (S_FALSE) where S_OK would come.
    TUNER_FAULT_READY_CALL = 16,        // reading the readiness flag fails
    TUNER_FAULT_STATUS = 32,            // reading the device status fails
    TUNER_FAULT_STATUS_POSITIVE = 64,   // the status read answers S_FALSE
    TUNER_FAULT_READ_POSITIVE = 128,    // the data read answers S_FALSE, byte delivered
    TUNER_FAULT_WRITE_POSITIVE = 256    // the data write answers S_FALSE, byte written
};

int TunerSetRegister(int slot, int registerIndex, DWORD value);
DWORD TunerGetRegister(int slot, int registerIndex);
// faults: TunerFault bits, 0 for none.
int TunerSetFaults(int slot, DWORD faults);
DWORD TunerGetFaults(int slot);
// Counters since the last reset: "I2CReads", "I2CWrites", "I2CCancels" (header 0),
// "StatusReads" (calls for the device status, failed ones too) and "I2CLastWrite", the
// byte of the last data write. 0 when never set.
DWORD TunerGetCounter(int slot, const char *name);
int TunerResetCounters(int slot);

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
