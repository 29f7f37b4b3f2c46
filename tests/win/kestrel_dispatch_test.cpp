// The polling tick's routing against real windows, the real pointer and modal loops.
#include <gtest/gtest.h>
#include <vector>

#include "af15bdaex.h"
#include "core/app_timer.h"
#include "core/dispatch.h"
#include "core/key_filter.h"
#include "core/mouse.h"
#include "core/pointer_steps.h"
#include "core/receiver.h"
#include "profiles/profile.h"
#include "stick_plug.h"
#include "tuner_control.h"
#include "ui/settings.h"
#include "ui/shutdown.h"
#include "win_support.h"

static std::vector<WPARAM> confirmationKeys;

static LRESULT CALLBACK RecordKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYDOWN)
        confirmationKeys.push_back(wParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

static POINT Cursor()
{
    POINT at;
    GetCursorPos(&at);
    return at;
}

class Dispatch : public ::testing::Test {
protected:
    std::vector<HWND> windows;
    void SetUp() override
    {
        for (int i = 0; i <= TV_APP_COUNT; ++i)
            tvApps[i].active = 0;
        shutdownDialogOpen = 0;
        // Power with no application goes to the default one; none here, so it does nothing.
        defaultTvApp = 0;
        lastKeyCode = 0;
        lastKeyTick = 0;
        repeatCount = 0;
        keyIsRepeat = false;
        pointerStepCount = 0;
        SetPointerBounds(1024, 768);
        ASSERT_TRUE(PlaceCursor(500, 400));
    }
    void TearDown() override
    {
        for (HWND window : windows)
            DestroyWindow(window);
        shutdownDialogOpen = 0;
        defaultTvApp = 9;
    }
    HWND App(const char *windowClass, const char *title)
    {
        HWND window = OpenTestWindow(windowClass, title);
        windows.push_back(window);
        return window;
    }
};

TEST_F(Dispatch, OpenConfirmationGetsEnterForPowerAndEscapeForTheRest)
{
    HWND confirmation = OpenTestWindow("ConfirmationProbe", "Remote Control - Shut Down", RecordKeys, WS_POPUP);
    windows.push_back(confirmation);
    App("XPERT_TVR", "XpertTVR");
    tvApps[APP_XPERTTVR].active = 1;
    shutdownDialogWindow = confirmation;
    shutdownDialogOpen = 1;
    confirmationKeys.clear();

    RouteKey(KEY_POWER, NULL);
    RouteKey(0, NULL);
    RouteKey(SUPPRESSED_KEY, NULL);
    EXPECT_EQ((std::vector<WPARAM>{ VK_RETURN, VK_ESCAPE, VK_ESCAPE }), confirmationKeys);
    EXPECT_EQ(500, Cursor().x) << "nothing else got the keys";
}

TEST_F(Dispatch, CascadeMarksTheFirstRunningApplicationInDetectionOrder)
{
    App("ArcsoftTM", "Arcsoft TotalMedia");
    App("XPERT_TVR", "XpertTVR main");
    RouteKey(6, NULL);
    EXPECT_EQ(1, tvApps[APP_XPERTTVR].active);
    EXPECT_EQ(0, tvApps[APP_TOTALMEDIA].active);
    EXPECT_EQ(500, Cursor().x) << "a running application takes the key from the mouse";
}

TEST_F(Dispatch, ActiveMarkSkipsTheWindowSearch)
{
    // Marked but not running: keys still go to it, not to the mouse.
    tvApps[APP_RARARURI].active = 1;
    RouteKey(6, NULL);
    EXPECT_EQ(500, Cursor().x);
    EXPECT_EQ(1, tvApps[APP_RARARURI].active);
}

TEST_F(Dispatch, ShutdownRequestWithARunningApplicationGoesToIt)
{
    App("VUZEVA_DVBT", "RAR-A RURI");
    RouteKey(KEY_SHUTDOWN_REQUEST, NULL);
    EXPECT_EQ(1, tvApps[APP_RARARURI].active);
}

TEST_F(Dispatch, WithNoApplicationKeysDriveThePointer)
{
    RouteKey(6, NULL);
    EXPECT_EQ(501, Cursor().x);
    RouteKey(2, NULL);
    EXPECT_EQ(399, Cursor().y);
    RouteKey(KEY_POWER, NULL);
    RouteKey(12, NULL);
    RouteKey(200, NULL);
    POINT at = Cursor();
    EXPECT_EQ(501, at.x);
    EXPECT_EQ(399, at.y);
    for (int i = 1; i <= TV_APP_COUNT; ++i)
        EXPECT_EQ(0, tvApps[i].active);
}

TEST_F(Dispatch, MediaCenterIsFoundByClassAndTitle)
{
    App("eHome Render Window", "Something else");
    RouteKey(6, NULL);
    EXPECT_EQ(0, tvApps[APP_MEDIACENTER].active);
    EXPECT_EQ(501, Cursor().x);
    xpMediaCenter = 1;
    RouteKey(6, NULL);
    xpMediaCenter = 0;
    EXPECT_EQ(1, tvApps[APP_MEDIACENTER].active);
}

// Ticks of the real timer, reading the virtual receiver, with keys from remote.exe.
class PollingTicks : public Dispatch {
protected:
    HWND owner = NULL;
    void SetUp() override
    {
        Dispatch::SetUp();
        ResetStick();
        ASSERT_TRUE(TunerUnplugAll());
        ASSERT_TRUE(PlugStick());
        ASSERT_TRUE(af15_init());
        owner = CreateWindowExA(0, "STATIC", "owner", 0, 0, 0, 0, 0, NULL, NULL, NULL, NULL);
        receiverReady = 1;
        BindTimer(retryTimer, owner, RETRY_PERIOD_MS);
        BindTimer(pollTimer, owner, POLL_PERIOD_MS);
        StartTimer(pollTimer);
    }
    void TearDown() override
    {
        StopTimer(pollTimer);
        StopTimer(retryTimer);
        DestroyWindow(owner);
        TunerUnplugAll();
        Dispatch::TearDown();
    }
};

TEST_F(PollingTicks, HeldKeyAcceleratesThePointer)
{
    ASSERT_TRUE(PlaceCursor(100, 300));
    ASSERT_EQ(0, RunProgram("remote.exe", "hold 6 12"));
    ASSERT_TRUE(WaitFor([] { return StickSnapshot().count == 0; }, 5000));
    PumpFor(150);
    // 4 moves of 1, 5 of 1024/160 = 6, 3 of 1024/80 = 12.
    EXPECT_EQ(100 + 4 + 30 + 36, Cursor().x);
    EXPECT_EQ(300, Cursor().y);
}

TEST_F(PollingTicks, ReportsOfAnotherRemoteAreIgnored)
{
    ASSERT_TRUE(PlaceCursor(100, 300));
    ASSERT_EQ(0, RunProgram("remote.exe", "raw 1 6 0 6 0 0 0 0 0 raw 0 7 0 6 0 0 0 0 0 raw 1 7 0 6 0 0 0 0 0"));
    ASSERT_TRUE(WaitFor([] { return StickSnapshot().count == 0; }, 5000));
    PumpFor(150);
    EXPECT_EQ(101, Cursor().x) << "only the last report is a key";
}

static HWND FindMessageBox(const char *caption)
{
    return FindWindowA("#32770", caption);
}

static int closedAtX;
static DWORD modalOpened;

// Closes the modal box once the keys have arrived, or after 5 s so a fault cannot hang the run.
static void CALLBACK CloseWhenMoved(HWND, UINT, UINT_PTR timer, DWORD)
{
    POINT at;
    GetCursorPos(&at);
    HWND box = FindMessageBox("nested");
    if (box && (at.x >= 103 || GetTickCount() - modalOpened > 5000)) {
        closedAtX = at.x;
        KillTimer(NULL, timer);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
}

TEST_F(PollingTicks, TicksRunNestedInsideAModalLoop)
{
    ASSERT_TRUE(PlaceCursor(100, 300));
    ASSERT_EQ(0, RunProgram("remote.exe", "pause 300 press 6 pause 300 press 6 pause 300 press 6"));
    // A modal box: the ticks go on under it, as under the program's own dialogs.
    closedAtX = 0;
    modalOpened = GetTickCount();
    SetTimer(NULL, 0, 50, CloseWhenMoved);
    MessageBoxA(NULL, "modal", "nested", MB_OK);
    EXPECT_EQ(103, closedAtX);
}
