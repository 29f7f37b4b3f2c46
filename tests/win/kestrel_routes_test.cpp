// The dispatcher's routes into the applications: held keys, the Power key with and without a
// driven application, and the shut-down request key, seen by the TV application stand-in.
#include <gtest/gtest.h>
#include <deque>
#include <string>
#include <vector>

#include "base/app_timer.h"
#include "base/seams.h"
#include "core/af15bdaex.h"
#include "core/dispatch.h"
#include "core/launch_watch.h"
#include "core/receiver.h"
#include "kestrel_window.h"
#include "profiles/catalogue.h"
#include "profiles/profile.h"
#include "settings/settings.h"
#include "stick_plug.h"
#include "tuner_control.h"
#include "tvapp_support.h"
#include "ui/shutdown.h"
#include "win_support.h"

typedef std::vector<std::string> Lines;

// Every report the receiver hands out is one tick of the polling timer, 100 ms apart.
static DWORD fakeNow;
static DWORD WINAPI FakeClock(void)
{
    return fakeNow;
}

static int Count(const Lines &lines, const std::string &line)
{
    int n = 0;
    for (const std::string &l : lines)
        n += l == line;
    return n;
}

class Routes : public ::testing::Test {
protected:
    // A deque: the instances handed out by reference stay where they are.
    std::deque<TvAppInstance> apps;
    HWND owner = NULL;
    void SetUp() override
    {
        BuildProfiles();
        for (int i = 0; i <= TV_APP_COUNT; ++i) {
            tvApps[i].active = 0;
            launchWatch[i] = 0;
        }
        shutdownDialogOpen = 0;
        ResetKeyFilterState();
        fakeNow = 100000;
        clockTick = FakeClock;
        StartAnsweringBoxes("Remote Control");
        ResetStick();
        ASSERT_TRUE(TunerUnplugAll());
        ASSERT_TRUE(PlugStick());
        ASSERT_TRUE(af15_init());
        owner = OpenTestWindow("RoutesOwner", "owner");
        BindTimer(watchTimer, owner, WATCH_PERIOD_MS);
    }
    void TearDown() override
    {
        StopAnsweringBoxes();
        for (TvAppInstance &app : apps)
            EndTvApp(app);
        StopTimer(watchTimer);
        DestroyWindow(owner);
        TunerUnplugAll();
        clockTick = GetTickCount;
        defaultTvApp = 9;
    }
    TvAppInstance &Start(const std::string &arguments, const std::string &name)
    {
        std::string record = TestTempFolder("routes") + "\\" + name + ".txt";
        DeleteFileA(record.c_str());
        apps.push_back(TvAppInstance());
        EXPECT_TRUE(StartTvApp(ModuleFolder() + "tvapp.exe", arguments + " --record \"" + record + "\"", &apps.back()));
        WithoutForeground(TakeRecord(apps.back()));
        return apps.back();
    }
    // Queues reports with the virtual remote and polls until each was read, one tick apiece.
    void Remote(const std::string &commands)
    {
        ASSERT_EQ(0, RunProgram("remote.exe", commands));
        DWORD start = GetTickCount();
        while (StickSnapshot().count > 0 && GetTickCount() - start < 15000) {
            DWORD before = StickSnapshot().eventsDelivered;
            PollRemote(owner, WM_TIMER, POLL_TIMER_ID, 0);
            if (StickSnapshot().eventsDelivered != before)
                fakeNow += 100;
            else
                PumpFor(5);
        }
        ASSERT_EQ(0u, StickSnapshot().count);
    }
};

TEST_F(Routes, HeldKeyReachesTheDrivenApplicationOnEventsOneElevenAndTwentyOne)
{
    TvAppInstance &xpert = Start("--as 7", "held");
    tvApps[APP_XPERTTVR].active = 1;
    Remote("hold 7 25 20");
    EXPECT_EQ(3, Count(WithoutForeground(TakeRecord(xpert)), "post main 3024 1009 0"));
}

TEST_F(Routes, RejectedReportsBetweenHeldEventsKeepTheRepeat)
{
    TvAppInstance &xpert = Start("--as 7", "rejected");
    tvApps[APP_XPERTTVR].active = 1;
    // Eleven events of key 8, 200 ms apart, with a report of another remote or one with a bad
    // status between them: the eleventh event is the tenth repeat and reaches the application.
    std::string commands;
    for (int i = 0; i < 11; ++i)
        commands += i % 2 ? "raw 1 7 0 8 0 0 0 0 0 raw 1 6 0 8 0 0 0 0 0 " : "raw 1 7 0 8 0 0 0 0 0 raw 0 7 0 8 0 0 0 0 0 ";
    Remote(commands);
    EXPECT_EQ(2, Count(WithoutForeground(TakeRecord(xpert)), "post main 3024 10020 0"));
}

TEST_F(Routes, PowerGoesToTheDrivenApplication)
{
    TvAppInstance &xpert = Start("--as 7", "power-active");
    tvApps[APP_XPERTTVR].active = 1;
    defaultTvApp = 5;
    Remote("press 19");
    EXPECT_FALSE(watchTimer.running) << "closing starts no watcher";
    Lines record = WithoutForeground(TakeRecord(xpert));
    ASSERT_FALSE(record.empty());
    EXPECT_EQ("post main 3024 1 0", record[0]) << "closed by its own Power action";
    EXPECT_EQ("", answeredBoxText) << "the default application's path was not taken";
}

TEST_F(Routes, PowerWithNothingDrivenTakesTheDefaultApplicationPath)
{
    // XpertTVR runs unmarked; the default, TotalMedia, is not installed.
    TvAppInstance &xpert = Start("--as 7", "power-default");
    defaultTvApp = 5;
    Remote("press 19");
    EXPECT_TRUE(watchTimer.running) << "the default's launch is watched, started or not";
    EXPECT_EQ("Please re-initialize the TV application settings.", answeredBoxText);
    Lines record = WithoutForeground(TakeRecord(xpert));
    ASSERT_FALSE(record.empty());
    EXPECT_EQ("post main 3024 1 0", record[0]) << "the others are closed first";
    EXPECT_EQ(0, tvApps[APP_XPERTTVR].active) << "the cascade would have marked it";
}

TEST_F(Routes, ShutdownKeyWithAnApplicationRunningReachesIt)
{
    TvAppInstance &zoruv = Start("--as 9", "key11");
    // Without its window key 11 would open the confirmation, which nobody here answers.
    ASSERT_TRUE(zoruv.mainWindow != NULL);
    Remote("press 11");
    EXPECT_EQ(Lines{ "post main 4024 26 0" }, WithoutForeground(TakeRecord(zoruv)));
    EXPECT_EQ(0, shutdownDialogOpen);
}

TEST_F(Routes, TwoApplicationsRunningXpertTvrIsServed)
{
    TvAppInstance &total = Start("--as 5", "two-total");
    TvAppInstance &xpert = Start("--as 7", "two-xpert");
    Remote("press 24");
    EXPECT_EQ(Lines{ "post main 3024 1008 0" }, WithoutForeground(TakeRecord(xpert)));
    EXPECT_EQ(Lines{}, WithoutForeground(TakeRecord(total)));
}
