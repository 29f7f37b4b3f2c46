// Finding the tuner's capture filter in the system's device catalogue by friendly name.
#ifndef TOLLGATE_FILTER_SEARCH_H
#define TOLLGATE_FILTER_SEARCH_H

#include <windows.h>
#include <dshow.h>

// The first device whose friendly name starts with name: video-input category first,
// then BDA receivers.
IBaseFilter *FindFilterByName(const char *name);
// The built-in names in order, each in both categories before the next.
IBaseFilter *FindFilterFromTable(void);

#endif
