// Control of the virtual tuner: plugging its capture filters in and out of the system's
// device catalogue, and the emulated I2C device behind each one. A "slot" is one device;
// each slot has a CLSID of its own. Every operation returns 1 on success, 0 on failure.
#ifndef SIM_TUNER_CONTROL_H
#define SIM_TUNER_CONTROL_H

#include <windows.h>

enum { TUNER_SLOT_COUNT = 16 };

enum TunerCategory {
    TUNER_CATEGORY_NETWORK,   // KSCATEGORY_BDA_NETWORK_TUNER
    TUNER_CATEGORY_VIDEO,     // CLSID_VideoInputDeviceCategory
    TUNER_CATEGORY_RECEIVER   // KSCATEGORY_BDA_RECEIVER_COMPONENT
};

// CLSID of a slot's filter: the family {5A1E00xx-7C3B-4D2A-9E61-3F0B8C2D4E00}, xx = slot.
CLSID TunerSlotClsid(int slot);
// The category's GUID.
GUID TunerCategoryGuid(TunerCategory category);
// vtuner.dll beside the calling program.
int TunerServerPath(char *path, DWORD size);

// Registers the slot's filter with a friendly name in a category; withProperty gives the
// filter the device's custom property interface. Replaces whatever the slot held.
// TunerPlug uses the server beside the calling program.
int TunerPlug(int slot, TunerCategory category, const char *friendlyName, int withProperty);
int TunerPlugServer(int slot, TunerCategory category, const char *friendlyName, int withProperty,
                    const char *serverPath);
// Nothing plugged in the slot is success too.
int TunerUnplug(int slot);
int TunerUnplugAll(void);
// 1 when the slot is plugged; fills what is asked for (any pointer may be null).
int TunerGetPlug(int slot, TunerCategory *category, char *friendlyName, DWORD nameSize,
                 int *withProperty);

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

#endif
