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
        SetPointerBounds(c.width, 600);
        EXPECT_EQ(1, PointerStep(1)) << c.width;
        EXPECT_EQ(1, PointerStep(4)) << c.width;
        EXPECT_EQ(c.medium, PointerStep(5)) << c.width;
        EXPECT_EQ(c.medium, PointerStep(9)) << c.width;
        EXPECT_EQ(c.large, PointerStep(10)) << c.width;
        EXPECT_EQ(c.large, PointerStep(500)) << c.width;
    }
}

TEST(PointerSteps, BoundsFromScreenSize)
{
    SetPointerBounds(1280, 1024);
    EXPECT_EQ(0, pointerBounds.left);
    EXPECT_EQ(0, pointerBounds.top);
    EXPECT_EQ(1279, pointerBounds.right);
    EXPECT_EQ(1023, pointerBounds.bottom);
    EXPECT_EQ(737, CorrectedFullScreenHeight(719) - 1);
    EXPECT_EQ(719, CorrectedFullScreenHeight(720) - 1);
    EXPECT_EQ(798, CorrectedFullScreenHeight(779));
}

TEST(PointerSteps, HeldKeyAcceleratesOneThenMediumThenLarge)
{
    SetPointerBounds(1024, 768);
    pointerStepCount = 0;
    int x = 100, y = 300;
    std::vector<int> moves;
    for (int i = 0; i < 12; ++i) {
        int nx = 0, ny = 0;
        ASSERT_TRUE(PlanPointerMove(6, x, y, &nx, &ny));
        moves.push_back(nx - x);
        EXPECT_EQ(y, ny);
        x = nx;
    }
    EXPECT_EQ((std::vector<int>{ 1, 1, 1, 1, 6, 6, 6, 6, 6, 12, 12, 12 }), moves);
}

TEST(PointerSteps, KeypadDirections)
{
    SetPointerBounds(1024, 768);
    struct Case {
        int code, dx, dy;
    } cases[] = { { 1, -1, -1 }, { 2, 0, -1 }, { 3, 1, -1 }, { 4, -1, 0 },
                  { 6, 1, 0 }, { 7, -1, 1 }, { 8, 0, 1 }, { 9, 1, 1 } };
    for (const auto &c : cases) {
        pointerStepCount = 0;
        int nx = 0, ny = 0;
        EXPECT_TRUE(PlanPointerMove(c.code, 500, 400, &nx, &ny));
        EXPECT_EQ(500 + c.dx, nx) << c.code;
        EXPECT_EQ(400 + c.dy, ny) << c.code;
    }
}

TEST(PointerSteps, EdgeStopsTheMoveAndRestartsSlow)
{
    SetPointerBounds(1024, 768);
    // x = 1 moving left would reach 0, which is not strictly inside.
    pointerStepCount = 3;
    int nx = 0, ny = 0;
    EXPECT_FALSE(PlanPointerMove(4, 1, 500, &nx, &ny));
    EXPECT_EQ(0, pointerStepCount);

    // Eleventh event of a held right move (step 12) at x = 1020: refused, then 1 pixel.
    pointerStepCount = 10;
    EXPECT_FALSE(PlanPointerMove(6, 1020, 500, &nx, &ny));
    EXPECT_EQ(0, pointerStepCount);
    EXPECT_TRUE(PlanPointerMove(6, 1020, 500, &nx, &ny));
    EXPECT_EQ(1021, nx);
    EXPECT_EQ(1, pointerStepCount);

    // The right bound itself is outside.
    pointerStepCount = 0;
    EXPECT_FALSE(PlanPointerMove(6, 1022, 500, &nx, &ny));
    // Top edge, diagonal.
    pointerStepCount = 0;
    EXPECT_FALSE(PlanPointerMove(3, 500, 1, &nx, &ny));
}

TEST(PointerSteps, ZeroMediumStepLeavesThePointerInPlace)
{
    SetPointerBounds(150, 100);
    pointerStepCount = 4;
    int nx = 0, ny = 0;
    EXPECT_TRUE(PlanPointerMove(6, 50, 50, &nx, &ny));
    EXPECT_EQ(50, nx);
}
