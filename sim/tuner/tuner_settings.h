// Per-slot values of the virtual tuner that outlive a process (HKLM\Software\VirtualTuner\SlotN).
#ifndef SIM_TUNER_SETTINGS_H
#define SIM_TUNER_SETTINGS_H

#include <windows.h>

int TunerSetSlotValue(int slot, const char *name, DWORD value);
// The value, or fallback when it is not there.
DWORD TunerGetSlotValue(int slot, const char *name, DWORD fallback);

#endif
