// Pointer acceleration and bounds of the mouse emulation.
#include <gtest/gtest.h>

#include <vector>

#include "core/pointer_steps.h"

TEST(PointerSteps, StepTablesForCommonWidths)
{
    struct Case {
        int width, medium, large;
    } cases[] = { { 800, 5, 10 }, { 1024, 6, 12 }, { 1280, 8, 16 }, { 159, 0, 1 } };
    for (const auto &c : cases) {
        PointerSteps steps = {};
        SetPointerBounds(steps, c.width, 600);
        EXPECT_EQ(1, PointerStep(steps, 1)) << c.width;
        EXPECT_EQ(1, PointerStep(steps, 4)) << c.width;
        EXPECT_EQ(c.medium, PointerStep(steps, 5)) << c.width;
        EXPECT_EQ(c.medium, PointerStep(steps, 9)) << c.width;
        EXPECT_EQ(c.large, PointerStep(steps, 10)) << c.width;
        EXPECT_EQ(c.large, PointerStep(steps, 500)) << c.width;
    }
}

TEST(PointerSteps, BoundsFromScreenSize)
{
    PointerSteps steps = { { 7, 7, 7, 7 }, 0, 0, 3 };
    SetPointerBounds(steps, 1280, 1024);
    EXPECT_EQ(0, steps.bounds.left);
    EXPECT_EQ(0, steps.bounds.top);
    EXPECT_EQ(1279, steps.bounds.right);
    EXPECT_EQ(1023, steps.bounds.bottom);
    EXPECT_EQ(3, steps.count) << "a new screen size leaves a held key's moves counted";
    EXPECT_EQ(737, CorrectedFullScreenHeight(719) - 1);
    EXPECT_EQ(719, CorrectedFullScreenHeight(720) - 1);
    EXPECT_EQ(722, CorrectedFullScreenHeight(722));
    EXPECT_EQ(798, CorrectedFullScreenHeight(779));
}

TEST(PointerSteps, HeldKeyAcceleratesOneThenMediumThenLarge)
{
    PointerSteps steps = {};
    SetPointerBounds(steps, 1024, 768);
    int x = 100, y = 300;
    std::vector<int> moves;
    for (int i = 0; i < 12; ++i) {
        int nx = 0, ny = 0;
        ASSERT_TRUE(PlanPointerMove(steps, 6, x, y, &nx, &ny));
        moves.push_back(nx - x);
        EXPECT_EQ(y, ny);
        x = nx;
    }
    EXPECT_EQ((std::vector<int>{ 1, 1, 1, 1, 6, 6, 6, 6, 6, 12, 12, 12 }), moves);
}

TEST(PointerSteps, KeypadDirections)
{
    PointerSteps steps = {};
    SetPointerBounds(steps, 1024, 768);
    struct Case {
        int code, dx, dy;
    } cases[] = { { 1, -1, -1 }, { 2, 0, -1 }, { 3, 1, -1 }, { 4, -1, 0 },
                  { 6, 1, 0 }, { 7, -1, 1 }, { 8, 0, 1 }, { 9, 1, 1 } };
    for (const auto &c : cases) {
        steps.count = 0;
        int nx = 0, ny = 0;
        EXPECT_TRUE(PlanPointerMove(steps, c.code, 500, 400, &nx, &ny));
        EXPECT_EQ(500 + c.dx, nx) << c.code;
        EXPECT_EQ(400 + c.dy, ny) << c.code;
    }
}

TEST(PointerSteps, EdgeStopsTheMoveAndRestartsSlow)
{
    PointerSteps steps = {};
    SetPointerBounds(steps, 1024, 768);
    // x = 1 moving left would reach 0, which is not strictly inside.
    steps.count = 3;
    int nx = 0, ny = 0;
    EXPECT_FALSE(PlanPointerMove(steps, 4, 1, 500, &nx, &ny));
    EXPECT_EQ(0, steps.count);

    // Eleventh event of a held right move (step 12) at x = 1020: refused, then 1 pixel.
    steps.count = 10;
    EXPECT_FALSE(PlanPointerMove(steps, 6, 1020, 500, &nx, &ny));
    EXPECT_EQ(0, steps.count);
    EXPECT_TRUE(PlanPointerMove(steps, 6, 1020, 500, &nx, &ny));
    EXPECT_EQ(1021, nx);
    EXPECT_EQ(1, steps.count);

    // The right bound itself is outside.
    steps.count = 0;
    EXPECT_FALSE(PlanPointerMove(steps, 6, 1022, 500, &nx, &ny));
    // Top edge, diagonal.
    steps.count = 0;
    EXPECT_FALSE(PlanPointerMove(steps, 3, 500, 1, &nx, &ny));
}

TEST(PointerSteps, ZeroMediumStepLeavesThePointerInPlace)
{
    PointerSteps steps = {};
    SetPointerBounds(steps, 150, 100);
    steps.count = 4;
    int nx = 0, ny = 0;
    EXPECT_TRUE(PlanPointerMove(steps, 6, 50, 50, &nx, &ny));
    EXPECT_EQ(50, nx);
}
