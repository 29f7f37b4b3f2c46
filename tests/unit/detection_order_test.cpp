// The order in which profiles are walked decides which application wins.
#include <gtest/gtest.h>
#include <vector>

#include "profiles/detection_order.h"

TEST(DetectionOrder, PutsXpertTvrBeforeDeverOroruBeforeTotalMedia)
{
    const int expected[TV_APP_COUNT] = { 1, 2, 3, 4, 7, 6, 5, 8, 9 };
    for (int i = 0; i < TV_APP_COUNT; ++i)
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
        int flags[TV_APP_COUNT + 1] = {};
        for (int index : c.set)
            if (index)
                flags[index] = 1;
        EXPECT_EQ(c.expected, FirstFlaggedApp(flags)) << c.set[0] << "," << c.set[1] << "," << c.set[2];
    }
}

TEST(DetectionOrder, AnyNonZeroFlagCounts)
{
    int flags[TV_APP_COUNT + 1] = {};
    flags[2] = -1;
    EXPECT_EQ(2, FirstFlaggedApp(flags));
}

TEST(DetectionOrder, WalkVisitsInOrderAndStopsAtTheFirstYes)
{
    std::vector<int> visited;
    int stopAt = 0;
    auto visit = [&](int index) {
        visited.push_back(index);
        return index == stopAt;
    };
    EXPECT_EQ(0, WalkTvApps(visit));
    EXPECT_EQ((std::vector<int>{ 1, 2, 3, 4, 7, 6, 5, 8, 9 }), visited);

    visited.clear();
    stopAt = 6;
    EXPECT_EQ(6, WalkTvApps(visit));
    EXPECT_EQ((std::vector<int>{ 1, 2, 3, 4, 7, 6 }), visited);
}
