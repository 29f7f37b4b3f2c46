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

#endif
