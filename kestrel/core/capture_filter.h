// A DirectShow capture filter found by its exact friendly name in one device category.
#ifndef KESTREL_CAPTURE_FILTER_H
#define KESTREL_CAPTURE_FILTER_H

#include <windows.h>

struct IBaseFilter;

// The bound filter of the first device with that name, or NULL.
IBaseFilter *FindCaptureFilter(const char *friendlyName, const GUID &category);

#endif
