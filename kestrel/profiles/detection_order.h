// The one order in which the nine profiles are always walked.
#ifndef KESTREL_DETECTION_ORDER_H
#define KESTREL_DETECTION_ORDER_H

#include "app_index.h"

extern const int detectionOrder[TV_APP_COUNT];

// Visits the nine in detection order until visit returns nonzero; returns that index, 0 if none.
// Every walk over the applications goes through here.
int WalkTvApps(int (*visit)(int index, void *context), void *context);
// The first index, in detection order, whose entry in flags (indexed 1..9) is set; 0 if none.
int FirstFlaggedApp(const int *flags);

#endif
