// The one order in which the nine profiles are always walked.
#ifndef KESTREL_DETECTION_ORDER_H
#define KESTREL_DETECTION_ORDER_H

#include "profiles/app_index.h"

extern const int detectionOrder[TV_APP_COUNT];

// Visits the nine in detection order until visit(index) is true; returns that index, 0 if
// none. Every walk over the applications goes through here.
template <typename Visit>
int WalkTvApps(Visit visit)
{
    for (int index : detectionOrder) {
        if (visit(index))
            return index;
    }
    return 0;
}

// The first index, in detection order, whose entry in flags (indexed 1..9) is set; 0 if none.
int FirstFlaggedApp(const int *flags);

#endif
