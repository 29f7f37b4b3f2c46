// The order in which profiles are walked decides which application wins.
#include <gtest/gtest.h>

#include "profiles/detection_order.h"

TEST(DetectionOrder, PutsXpertTvrBeforeDeverOroruBeforeTotalMedia)
{
    const int expected[9] = { 1, 2, 3, 4, 7, 6, 5, 8, 9 };
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(expected[i], detectionOrder[i]) << "position " << i + 1;
}

TEST(DetectionOrder, FirstFlaggedAppFollowsDetectionOrderNotIndexOrder)
{
    struct Case {
        int set[3];
        int expected;
    } cases[] = {
        { { 0, 0, 0 }, 0 },
        { { 9, 0, 0 }, 9 },
        { { 5, 7, 0 }, 7 },   // XpertTVR is looked at before TotalMedia
        { { 5, 6, 0 }, 6 },
        { { 1, 5, 0 }, 1 },   // PowerCinema and TotalMedia: PowerCinema
        { { 8, 9, 4 }, 4 },
    };
    for (const Case &c : cases) {
        int flags[10] = {};
        for (int index : c.set)
            if (index)
                flags[index] = 1;
        EXPECT_EQ(c.expected, FirstFlaggedApp(flags)) << c.set[0] << "," << c.set[1] << "," << c.set[2];
    }
}

TEST(DetectionOrder, AnyNonZeroFlagCounts)
{
    int flags[10] = {};
    flags[2] = -1;
    EXPECT_EQ(2, FirstFlaggedApp(flags));
}
