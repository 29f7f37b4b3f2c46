// Detection order: XpertTVR (7) before DeverOroru (6) before TotalMedia (5).
#include "profiles/detection_order.h"

const int detectionOrder[TV_APP_COUNT] = { 1, 2, 3, 4, 7, 6, 5, 8, 9 };

int FirstFlaggedApp(const int *flags)
{
    return WalkTvApps([flags](int index) { return flags[index] != 0; });
}
