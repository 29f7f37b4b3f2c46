// The one order in which the nine profiles are always walked.
#ifndef KESTREL_DETECTION_ORDER_H
#define KESTREL_DETECTION_ORDER_H

extern const int detectionOrder[9];

// The first index, in detection order, whose entry in flags (indexed 1..9) is set; 0 if none.
int FirstFlaggedApp(const int *flags);

#endif
