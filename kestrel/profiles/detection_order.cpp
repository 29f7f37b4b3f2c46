// Detection order: XpertTVR (7) before DeverOroru (6) before TotalMedia (5).
#include "detection_order.h"

const int detectionOrder[TV_APP_COUNT] = { 1, 2, 3, 4, 7, 6, 5, 8, 9 };

int WalkTvApps(int (*visit)(int index, void *context), void *context)
{
    for (int position = 0; position < TV_APP_COUNT; ++position) {
        int index = detectionOrder[position];
        if (visit(index, context))
            return index;
    }
    return 0;
}

static int IsFlagged(int index, void *flags)
{
    return ((const int *)flags)[index] != 0;
}

int FirstFlaggedApp(const int *flags)
{
    return WalkTvApps(IsFlagged, (void *)flags);
}
