// The polling tick's routing against real windows, the real pointer and modal loops.
#include <gtest/gtest.h>
#include <string.h>
#include <initializer_list>
#include <vector>

#include "base/app_timer.h"
#include "base/seams.h"
#include "core/af15bdaex.h"
#include "core/dispatch.h"
#include "core/key_route.h"
#include "core/mouse.h"
#include "core/receiver.h"
#include "kestrel_window.h"
#include "profiles/media_center.h"
#include "profiles/profile.h"
#include "settings/settings.h"
#include "stick_plug.h"
#include "stick_state.h"
#include "tuner_control.h"
#include "ui/shutdown.h"
#include "win_support.h"

// Keys the confirmation got, and whether it was the foreground and active window for each.
struct AnsweredKey {
    WPARAM key;
    bool foreground;
    bool active;
};
static std::vector<AnsweredKey> confirmationKeys;

static LRESULT CALLBACK RecordKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYDOWN)
        confirmationKeys.push_back({ wParam, GetForegroundWindow() == window, GetActiveWindow() == window });
    return DefWindowProcA(window, message, wParam, lParam);
}

static POINT Cursor()
{
    POINT at;
    GetCursorPos(&at);
    return at;
}

// A visible window of another thread that holds the foreground, as the user's last window would.
static HANDLE foregroundReady;
static HWND otherThreadWindow;
static DWORD WINAPI HoldForeground(LPVOID)
{
    otherThreadWindow = OpenTestWindow("OtherThreadWindow", "elsewhere", DefWindowProcA,
                                       WS_POPUP | WS_VISIBLE, 0, 600, 600, 50, 50);
    SetForegroundWindow(otherThreadWindow);
    SetEvent(foregroundReady);
    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0)
        DispatchMessageA(&message);
    DestroyWindow(otherThreadWindow);
    return 0;
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
        ResetKeyFilterState();
        SetPointerBoundsFromDisplay(1024, 768);
        ASSERT_TRUE(PlaceCursor(500, 400));
    }
    void TearDown() override
    {
        for (HWND window : windows)
            DestroyWindow(window);
        shutdownDialogOpen = 0;
        defaultTvApp = 9;
        // Whatever a failed assertion left behind.
        StopMouseRecorder();
        SwapMouseButton(FALSE);
        clockTick = GetTickCount;
    }
    HWND App(const char *windowClass, const char *title)
    {
        HWND window = OpenTestWindow(windowClass, title);
        windows.push_back(window);
        return window;
    }
};

TEST_F(Dispatch, OpenConfirmationIsBroughtToTheFrontAndGetsEnterOrEscape)
{
    HWND confirmation = OpenTestWindow("ConfirmationProbe", "Remote Control - Shut Down", RecordKeys,
                                       WS_POPUP | WS_VISIBLE, 0, 100, 100, 80, 40);
    windows.push_back(confirmation);
    foregroundReady = CreateEventA(NULL, TRUE, FALSE, NULL);
    DWORD threadId = 0;
    HANDLE thread = CreateThread(NULL, 0, HoldForeground, NULL, 0, &threadId);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(foregroundReady, 5000));
    ASSERT_TRUE(WaitFor([] { return GetForegroundWindow() == otherThreadWindow; }, 2000));
    App("XPERT_TVR", "XpertTVR");
    tvApps[APP_XPERTTVR].active = 1;
    shutdownDialogWindow = confirmation;
    shutdownDialogOpen = 1;
    confirmationKeys.clear();
    ASSERT_TRUE(StartMouseRecorder());

    RouteKey(Pressed(KEY_POWER), NULL);
    RouteKey(Pressed(0), NULL);
    RouteKey(HeldBack(KEY_POWER), NULL);
    std::vector<UINT> buttons = RecordedMouseButtons();
    StopMouseRecorder();
    PostThreadMessageA(threadId, WM_QUIT, 0, 0);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    CloseHandle(foregroundReady);

    ASSERT_EQ(3u, confirmationKeys.size());
    EXPECT_EQ((WPARAM)VK_RETURN, confirmationKeys[0].key);
    EXPECT_EQ((WPARAM)VK_ESCAPE, confirmationKeys[1].key);
    EXPECT_EQ((WPARAM)VK_ESCAPE, confirmationKeys[2].key);
    for (const AnsweredKey &key : confirmationKeys) {
        EXPECT_TRUE(key.foreground) << "key " << key.key << " came before the confirmation was in front";
        EXPECT_TRUE(key.active) << "key " << key.key;
    }
    EXPECT_TRUE(buttons.empty()) << "key 0 also clicked the mouse";
}

// Key 5 holds the primary button, which is the right one when the buttons are swapped;
// the clicks of 0 and 10 keep their buttons.
TEST_F(Dispatch, MouseButtonsFollowTheSwapSettingOnlyForTheDragToggle)
{
    ASSERT_TRUE(StartMouseRecorder());
    EmulateMouse(5);
    EmulateMouse(5);
    std::vector<UINT> plain = RecordedMouseButtons();
    StopMouseRecorder();

    SwapMouseButton(TRUE);
    ASSERT_TRUE(StartMouseRecorder());
    EmulateMouse(5);
    EmulateMouse(5);
    EmulateMouse(0);
    EmulateMouse(10);
    std::vector<UINT> swapped = RecordedMouseButtons();
    StopMouseRecorder();
    SwapMouseButton(FALSE);

    EXPECT_EQ((std::vector<UINT>{ WM_LBUTTONDOWN, WM_LBUTTONUP }), plain);
    EXPECT_EQ((std::vector<UINT>{ WM_RBUTTONDOWN, WM_RBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP,
                                  WM_RBUTTONDOWN, WM_RBUTTONUP }), swapped);
}

TEST_F(Dispatch, CascadeMarksTheFirstRunningApplicationInDetectionOrder)
{
    App("ArcsoftTM", "Arcsoft TotalMedia");
    App("XPERT_TVR", "XpertTVR main");
    RouteKey(Pressed(6), NULL);
    EXPECT_EQ(1, tvApps[APP_XPERTTVR].active);
    EXPECT_EQ(0, tvApps[APP_TOTALMEDIA].active);
    EXPECT_EQ(500, Cursor().x) << "a running application takes the key from the mouse";
}

TEST_F(Dispatch, ActiveMarkSkipsTheWindowSearch)
{
    // Marked but not running: keys still go to it, not to the mouse.
    tvApps[APP_RARARURI].active = 1;
    RouteKey(Pressed(6), NULL);
    EXPECT_EQ(500, Cursor().x);
    EXPECT_EQ(1, tvApps[APP_RARARURI].active);
}

TEST_F(Dispatch, ShutdownRequestWithARunningApplicationGoesToIt)
{
    App("VUZEVA_DVBT", "RAR-A RURI");
    RouteKey(Pressed(KEY_SHUTDOWN_REQUEST), NULL);
    EXPECT_EQ(1, tvApps[APP_RARARURI].active);
}

TEST_F(Dispatch, WithNoApplicationKeysDriveThePointer)
{
    RouteKey(Pressed(6), NULL);
    EXPECT_EQ(501, Cursor().x);
    RouteKey(Pressed(2), NULL);
    EXPECT_EQ(399, Cursor().y);
    RouteKey(Pressed(KEY_POWER), NULL);
    RouteKey(Pressed(12), NULL);
    RouteKey(Pressed(200), NULL);
    POINT at = Cursor();
    EXPECT_EQ(501, at.x);
    EXPECT_EQ(399, at.y);
    for (int i = 1; i <= TV_APP_COUNT; ++i)
        EXPECT_EQ(0, tvApps[i].active);
}

TEST_F(Dispatch, MediaCenterIsFoundByClassAndTitle)
{
    App("eHome Render Window", "Something else");
    RouteKey(Pressed(6), NULL);
    EXPECT_EQ(0, tvApps[APP_MEDIACENTER].active);
    EXPECT_EQ(501, Cursor().x);
    xpMediaCenter = 1;
    RouteKey(Pressed(6), NULL);
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
        BindTimer(pollTimer, owner, POLL_PERIOD_MS);
        StartReceiverTimers(owner, pollTimer);
    }
    void TearDown() override
    {
        StopTimer(pollTimer);
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

// Fills the stack below the caller with key 6, so that report bytes nobody writes are not 0xFF.
__attribute__((noinline)) static void LitterStack(void)
{
    volatile unsigned char litter[4096];
    for (size_t i = 0; i < sizeof litter; ++i)
        litter[i] = 6;
}

TEST_F(PollingTicks, ReportBytesTheReceiverLeavesAloneReadAsNoKey)
{
    ASSERT_TRUE(PlaceCursor(500, 400));
    // Status 1 with only byte 0 written: the remote's 7, no key code.
    const BYTE report[8] = { 7, 0, 0, 0, 0, 0, 0, 0 };
    QueueStickReport(1, report, 1);
    ASSERT_TRUE(StartMouseRecorder());
    LitterStack();
    PollRemote(owner, WM_TIMER, 1, 0);
    std::vector<UINT> buttons = RecordedMouseButtons();
    StopMouseRecorder();
    EXPECT_EQ(0u, StickSnapshot().count) << "the tick took the event";
    EXPECT_EQ(500, Cursor().x);
    EXPECT_EQ(400, Cursor().y);
    EXPECT_TRUE(buttons.empty());
}

static DWORD fakeNow;
static DWORD WINAPI FakeClock(void)
{
    return fakeNow;
}

// While an application is driven (first or last in detection order) a held Power is held
// back after its first event; the open confirmation gets that as Escape.
TEST_F(PollingTicks, HeldPowerWhileDrivenAnswersEnterThenEscape)
{
    HWND confirmation = OpenTestWindow("ConfirmationProbe", "Remote Control - Shut Down", RecordKeys,
                                       WS_POPUP | WS_VISIBLE, 0, 100, 100, 80, 40);
    windows.push_back(confirmation);
    shutdownDialogWindow = confirmation;
    shutdownDialogOpen = 1;
    clockTick = FakeClock;
    for (int driven : { APP_POWERCINEMA, APP_ZORUVUVIRO }) {
        tvApps[driven].active = 1;
        confirmationKeys.clear();
        fakeNow = 50000u * (DWORD)driven;
        for (int event = 0; event < 3; ++event) {
            QueueStickKey(KEY_POWER);
            PollRemote(owner, WM_TIMER, 1, 0);
            fakeNow += 110;
        }
        tvApps[driven].active = 0;
        std::vector<WPARAM> keys;
        for (const AnsweredKey &key : confirmationKeys)
            keys.push_back(key.key);
        EXPECT_EQ((std::vector<WPARAM>{ VK_RETURN, VK_ESCAPE, VK_ESCAPE }), keys) << "driven " << driven;
    }
    clockTick = GetTickCount;
    shutdownDialogOpen = 0;
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
