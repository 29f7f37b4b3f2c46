// Host tests of the launcher dialog's and the program wait's plain-value rules.
#include <gtest/gtest.h>

#include "steps/launcher_dialog_rules.h"
#include "steps/run_and_wait_rules.h"

TEST(TimerPeriod, NegativeWaitIsAsSoonAsPossible)
{
    EXPECT_EQ(0u, LauncherTimerPeriod(0));
    EXPECT_EQ(0u, LauncherTimerPeriod(-1));
    EXPECT_EQ(0u, LauncherTimerPeriod(-2147483647 - 1));
    EXPECT_EQ(1u, LauncherTimerPeriod(1));
    EXPECT_EQ(250u, LauncherTimerPeriod(250));
    EXPECT_EQ(2147483647u, LauncherTimerPeriod(2147483647));
}

TEST(DialogStays, OnlyForAPackageTheShellTookAndTheTimerOn)
{
    EXPECT_EQ(1, DialogStays(1, 1));
    EXPECT_EQ(1, DialogStays(1, -3));
    EXPECT_EQ(0, DialogStays(1, 0));
    EXPECT_EQ(0, DialogStays(0, 1));
    EXPECT_EQ(0, DialogStays(0, 0));
}

// (room - icon + 1) / 2, the division truncating toward zero also when the room is smaller
// than the icon.
TEST(IconOrigin, CentredRoundingHalfUpAndTruncatingTowardZero)
{
    static const struct { int width, height, iconWidth, iconHeight, x, y; } cases[] = {
        { 32, 32, 32, 32, 0, 0 },
        { 100, 60, 32, 32, 34, 14 },
        { 101, 61, 32, 32, 35, 15 },
        { 33, 34, 32, 32, 1, 1 },
        { 0, 0, 32, 32, -15, -15 },     // -31 / 2: -15, not -16
        { 10, 0, 32, 16, -10, -7 },     // -21 / 2 and -15 / 2
        { 0, 31, 16, 32, -7, 0 },
    };
    for (const auto &c : cases) {
        int x = 99, y = 99;
        IconOrigin(c.width, c.height, c.iconWidth, c.iconHeight, &x, &y);
        EXPECT_EQ(c.x, x) << c.width << "x" << c.height;
        EXPECT_EQ(c.y, y) << c.width << "x" << c.height;
    }
}

// A failed wait is not an end: only a signalled process or an exit code other than
// STILL_ACTIVE (259) is.
TEST(WaitOutcome, AFailedWaitIsJudgedByTheExitCode)
{
    const unsigned long signalled = 0, timeout = 0x102, failed = 0xFFFFFFFF;
    EXPECT_EQ(WAIT_ENDED, JudgeWait(signalled, 0, 0));
    EXPECT_EQ(WAIT_ENDED, JudgeWait(signalled, 1, 259));
    EXPECT_EQ(WAIT_STILL_RUNNING, JudgeWait(failed, 1, 259));
    EXPECT_EQ(WAIT_STILL_RUNNING, JudgeWait(timeout, 1, 259));
    EXPECT_EQ(WAIT_ENDED, JudgeWait(failed, 1, 0));
    EXPECT_EQ(WAIT_ENDED, JudgeWait(failed, 1, 258));
    EXPECT_EQ(WAIT_UNKNOWN, JudgeWait(failed, 0, 0));
    EXPECT_EQ(WAIT_UNKNOWN, JudgeWait(failed, 0, 259));
}
