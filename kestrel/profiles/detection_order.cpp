// Detection order: XpertTVR (7) before DeverOroru (6) before TotalMedia (5).
#include "detection_order.h"

const int detectionOrder[9] = { 1, 2, 3, 4, 7, 6, 5, 8, 9 };

int FirstFlaggedApp(const int *flags)
{
    for (int position = 0; position < 9; ++position) {
        int index = detectionOrder[position];
        if (flags[index])
            return index;
    }
    return 0;
}
