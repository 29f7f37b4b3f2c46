// The system's device catalogue (DirectShow's device enumerator), as both programs walk it.
#ifndef COMMON_DEVICE_CATALOGUE_H
#define COMMON_DEVICE_CATALOGUE_H

#include <windows.h>
#include <dshow.h>

// The devices of one category, reset to the first; NULL when COM fails or the category is empty.
IEnumMoniker *OpenDeviceCategory(const GUID &category);
// The device's friendly name in the ANSI code page; 0 when it cannot be read or does not fit
// into size bytes with its terminating zero.
int ReadFriendlyName(IMoniker *device, char *name, int size);

#endif
