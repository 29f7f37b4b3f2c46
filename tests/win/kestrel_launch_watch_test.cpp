// Launch watcher: an application's active mark lives until its window is gone.
#include <gtest/gtest.h>
#include <vector>

#include "base/app_timer.h"
#include "core/launch_watch.h"
#include "kestrel_window.h"
#include "stick_plug.h"
#include "tuner_control.h"
#include "core/receiver.h"
#include "base/seams.h"
#include "profiles/profile.h"
#include "win_support.h"

static std::vector<DWORD> sleeps;
static VOID WINAPI RecordSleep(DWORD milliseconds)
{
    sleeps.push_back(milliseconds);
}

// A top-level window posing as a TV application.
static HWND OpenAppWindow(const char *title)
{
    return CreateWindowExA(0, "STATIC", title, WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
}

class LaunchWatch : public ::testing::Test {
protected:
    HWND owner = NULL;
    void SetUp() override
    {
        sleeps.clear();
        sleepThread = RecordSleep;
        for (int i = 0; i <= TV_APP_COUNT; ++i) {
            launchWatch[i] = 0;
            tvApps[i].active = 0;
        }
        owner = CreateWindowExA(0, "STATIC", "owner", 0, 0, 0, 0, 0, NULL, NULL, NULL, NULL);
        BindTimer(watchTimer, owner, 100);
    }
    void TearDown() override
    {
        StopTimer(watchTimer);
        DestroyWindow(owner);
        sleepThread = Sleep;
    }
};

TEST_F(LaunchWatch, NoFlagSleepsTwoSecondsThenStops)
{
    StartTimer(watchTimer);
    WatchLaunchedApp(owner, WM_TIMER, 2, 0);
    ASSERT_EQ(1u, sleeps.size());
    EXPECT_EQ(2000u, sleeps[0]);
    EXPECT_FALSE(watchTimer.running);
}

TEST_F(LaunchWatch, OnlyTheFirstFlaggedAppIsWatched)
{
    HWND powerCinema = OpenAppWindow("PowerCinema");
    launchWatch[APP_POWERCINEMA] = 1;
    launchWatch[APP_TOTALMEDIA] = 1;
    tvApps[APP_POWERCINEMA].active = 1;
    tvApps[APP_TOTALMEDIA].active = 1;
    StartTimer(watchTimer);

    WatchLaunchedApp(owner, WM_TIMER, 2, 0);
    EXPECT_EQ(1, tvApps[APP_POWERCINEMA].active) << "its window is still there";
    EXPECT_EQ(1, launchWatch[APP_POWERCINEMA]);
    EXPECT_TRUE(watchTimer.running);

    DestroyWindow(powerCinema);
    WatchLaunchedApp(owner, WM_TIMER, 2, 0);
    EXPECT_EQ(0, tvApps[APP_POWERCINEMA].active);
    EXPECT_EQ(0, launchWatch[APP_POWERCINEMA]);
    EXPECT_FALSE(watchTimer.running);
    // TotalMedia has no window either, but it waits for the next start of the watcher.
    EXPECT_EQ(1, launchWatch[APP_TOTALMEDIA]);
    EXPECT_EQ(1, tvApps[APP_TOTALMEDIA].active);
    EXPECT_TRUE(sleeps.empty());
}

TEST_F(LaunchWatch, DetectionOrderNotIndexOrder)
{
    // XpertTVR (7) is looked at before TotalMedia (5).
    launchWatch[APP_TOTALMEDIA] = 1;
    launchWatch[APP_XPERTTVR] = 1;
    tvApps[APP_TOTALMEDIA].active = 1;
    tvApps[APP_XPERTTVR].active = 1;
    StartTimer(watchTimer);
    WatchLaunchedApp(owner, WM_TIMER, 2, 0);
    EXPECT_EQ(0, launchWatch[APP_XPERTTVR]);
    EXPECT_EQ(0, tvApps[APP_XPERTTVR].active);
    EXPECT_EQ(1, launchWatch[APP_TOTALMEDIA]);
}

TEST_F(LaunchWatch, TimerKeepsWatchingWinDvrUntilItsWindowCloses)
{
    // Found by title, letter case ignored.
    HWND winDvr = OpenAppWindow("interVideo windvr");
    launchWatch[APP_WINDVR] = 1;
    tvApps[APP_WINDVR].active = 1;
    StartTimer(watchTimer);
    PumpFor(350);
    EXPECT_TRUE(watchTimer.running);
    EXPECT_EQ(1, tvApps[APP_WINDVR].active);

    DestroyWindow(winDvr);
    EXPECT_TRUE(WaitFor([] { return !watchTimer.running; }, 1000));
    EXPECT_EQ(0, tvApps[APP_WINDVR].active);
    EXPECT_EQ(0, launchWatch[APP_WINDVR]);
    EXPECT_TRUE(sleeps.empty());
}

// The program's own start-up binds the watcher: it ticks ten times a second, as polling does.
TEST_F(LaunchWatch, StartedWatcherTicksTenTimesASecondOnTheProgramWindow)
{
    ResetStick();
    ASSERT_TRUE(TunerUnplugAll());
    ASSERT_TRUE(PlugStick());
    ASSERT_TRUE(EnsureMainWindowClass());
    ASSERT_TRUE(CreateMainWindow(GetModuleHandleA(NULL)));
    HWND powerCinema = OpenAppWindow("PowerCinema");
    launchWatch[APP_POWERCINEMA] = 1;
    tvApps[APP_POWERCINEMA].active = 1;
    StartTimer(watchTimer);
    int ticks[4] = { 0, 0, 0, 0 };
    WaitForWindowTimers(MainWindow(), [] { return false; }, 1000, [&](UINT_PTR id) {
        if (id < 4)
            ++ticks[id];
    });
    StopTimer(watchTimer);
    DestroyWindow(powerCinema);
    DestroyProgramWindow();
    TunerUnplugAll();
    EXPECT_GE(ticks[2], 5) << "watcher";
    EXPECT_LE(ticks[2], 12) << "watcher";
    EXPECT_GE(ticks[1], 5) << "polling";
    EXPECT_LE(ticks[1], 12) << "polling";
    EXPECT_EQ(0, ticks[3]) << "no retry while the stick is there";
}
