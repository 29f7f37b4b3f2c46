// Finding the tuner's capture filter in the system's device catalogue: by the name the
// driver's installation recorded, else by the names its drivers have shipped under.
#ifndef TOLLGATE_DEVICE_FILTER_SEARCH_H
#define TOLLGATE_DEVICE_FILTER_SEARCH_H

#include <windows.h>
#include <dshow.h>

enum { DS_NAME_SIZE = 260 };

// The filter name the installed driver left under HKLM\Software\Halyard\BDA
// ("RealDSName", else "DSName"); 1 when there is one.
int GetDSName(char nameOut[DS_NAME_SIZE]);
// The first device whose friendly name starts with the recorded name (or the one for a
// registry that records none), video-input category first, then BDA receivers; failing
// that, the built-in names in order, each in both categories before the next. NULL when
// none is there.
IBaseFilter *FindTunerFilter(void);

#endif
