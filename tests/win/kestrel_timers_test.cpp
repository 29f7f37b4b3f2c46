// AppTimer: idempotent start and stop over real window timers.
#include <gtest/gtest.h>

#include "base/app_timer.h"
#include "win_support.h"

static int ticks;
static void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD)
{
    ++ticks;
}

class Timers : public ::testing::Test {
protected:
    HWND window = NULL;
    void SetUp() override
    {
        ticks = 0;
        window = CreateWindowExA(0, "STATIC", "timer owner", 0, 0, 0, 0, 0, NULL, NULL, NULL, NULL);
        ASSERT_TRUE(window != NULL);
    }
    void TearDown() override
    {
        KillTimer(window, 77);
        DestroyWindow(window);
    }
};

TEST_F(Timers, ConstructedStoppedAndUnbound)
{
    AppTimer timer(77, CountTick);
    EXPECT_FALSE(timer.running);
    EXPECT_EQ(77u, timer.id);
    EXPECT_TRUE(timer.window == NULL);
    EXPECT_EQ(0u, timer.periodMs);
    EXPECT_TRUE(timer.procedure == CountTick);
}

TEST_F(Timers, StartRunsTheProcedureUntilStop)
{
    AppTimer timer(77, CountTick);
    BindTimer(timer, window, 20);
    StartTimer(timer);
    EXPECT_TRUE(timer.running);
    EXPECT_TRUE(WaitFor([] { return ticks >= 3; }, 2000));
    StopTimer(timer);
    EXPECT_FALSE(timer.running);
    PumpFor(100);
    int stoppedAt = ticks;
    PumpFor(200);
    EXPECT_EQ(stoppedAt, ticks);
}

TEST_F(Timers, SecondStartDoesNotSetTheTimerAgain)
{
    AppTimer timer(77, CountTick);
    BindTimer(timer, window, 20);
    StartTimer(timer);
    // Had the second start called SetTimer, the timer would now wait a minute per tick.
    timer.periodMs = 60000;
    StartTimer(timer);
    int before = ticks;
    EXPECT_TRUE(WaitFor([&] { return ticks >= before + 3; }, 2000));
    StopTimer(timer);
}

TEST_F(Timers, StopOfATimerThatNeverRanKillsNothing)
{
    SetTimer(window, 77, 20, CountTick);
    AppTimer timer(77, CountTick);
    timer.window = window;
    timer.periodMs = 20;
    StopTimer(timer);
    int before = ticks;
    EXPECT_TRUE(WaitFor([&] { return ticks >= before + 3; }, 2000)) << "the window's timer 77 was killed";
}

TEST_F(Timers, BindStopsARunningTimer)
{
    AppTimer timer(77, CountTick);
    BindTimer(timer, window, 20);
    StartTimer(timer);
    BindTimer(timer, window, 30);
    EXPECT_FALSE(timer.running);
    EXPECT_EQ(30u, timer.periodMs);
    PumpFor(50);
    int stoppedAt = ticks;
    PumpFor(200);
    EXPECT_EQ(stoppedAt, ticks);
}

TEST_F(Timers, FailedSetTimerStillCountsAsRunning)
{
    HWND gone = CreateWindowExA(0, "STATIC", "gone", 0, 0, 0, 0, 0, NULL, NULL, NULL, NULL);
    DestroyWindow(gone);
    AppTimer timer(77, CountTick);
    BindTimer(timer, gone, 20);
    StartTimer(timer);
    EXPECT_TRUE(timer.running);
    // Pointing it at a live window does not start it: it already counts as running.
    timer.window = window;
    StartTimer(timer);
    PumpFor(200);
    EXPECT_EQ(0, ticks);
    StopTimer(timer);
    EXPECT_FALSE(timer.running);
    StartTimer(timer);
    EXPECT_TRUE(WaitFor([] { return ticks >= 1; }, 2000));
    StopTimer(timer);
}
