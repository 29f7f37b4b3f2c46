// Control of the virtual tuner: plugging its capture filters in and out of the system's
// device catalogue. A "slot" is one device; each slot has a CLSID of its own.
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
// Folder file name of the filter server, beside the calling program.
int TunerServerPath(char *path, DWORD size);

// Registers the slot's filter with a friendly name in a category; withProperty gives the
// filter the device's custom property interface. 1 on success.
int TunerPlug(int slot, TunerCategory category, const char *friendlyName, int withProperty);
int TunerUnplug(int slot);
int TunerUnplugAll(void);

#endif
