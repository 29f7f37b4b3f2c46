// Finds a DirectShow capture filter by its exact friendly name in one device category.
#include "core/capture_filter.h"

#include <dshow.h>
#include <string.h>

#include "common/device_catalogue.h"

// Names are compared in an 80-byte buffer: a longer name never matches.
enum { FRIENDLY_NAME_BYTES = 80 };

IBaseFilter *FindCaptureFilter(const char *friendlyName, const GUID &category)
{
    IEnumMoniker *monikers = OpenDeviceCategory(category);
    if (!monikers)
        return NULL;
    IBaseFilter *filter = NULL;
    IMoniker *moniker = NULL;
    while (monikers->Next(1, &moniker, NULL) == S_OK) {
        char name[FRIENDLY_NAME_BYTES];
        int match = ReadFriendlyName(moniker, name, FRIENDLY_NAME_BYTES) && strcmp(name, friendlyName) == 0;
        if (match && FAILED(moniker->BindToObject(NULL, NULL, IID_IBaseFilter, (void **)&filter)))
            filter = NULL;
        moniker->Release();
        moniker = NULL;
        // The first device with the name wins, bound or not.
        if (match)
            break;
    }
    monikers->Release();
    return filter;
}
