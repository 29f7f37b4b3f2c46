// kestrel against a receiver and an application that misbehave: junk and foreign reports, an
// open that fails every other time, a read that hangs for two seconds, a stick that goes
// between the presence check and the read, and a driven window that closes while a key map
// runs. What XpertTVR's window receives is counted by its window procedure: key 5 is command
// 4003 in message 3024, key 42 is command 3001 followed by a two-second pause.
#include <gtest/gtest.h>
#include <vector>

#include "base/seams.h"
#include "core/af15bdaex.h"
#include "kestrel_window.h"
#include "profiles/profile.h"
#include "stick_plug.h"
#include "stick_state.h"
#include "tuner_control.h"
#include "win_support.h"

static std::vector<WPARAM> commands;
static LRESULT CALLBACK RecordCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == 3024)
        commands.push_back(wParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

static void SetStick(void (*change)(StickState *))
{
    StickState *state = OpenStickState();
    LockStick(state);
    change(state);
    UnlockStick(state);
}

class Misbehaving : public ::testing::Test {
protected:
    HWND app = NULL;
    void SetUp() override
    {
        ResetStick();
        ASSERT_TRUE(TunerUnplugAll());
        ASSERT_TRUE(PlugStick());
        receiverReady = 1;
        ResetKeyFilterState();
        ASSERT_TRUE(EnsureMainWindowClass());
        for (int i = 0; i <= TV_APP_COUNT; ++i)
            tvApps[i].active = 0;
        commands.clear();
        app = OpenTestWindow("XPERT_TVR", "XpertTVR", RecordCommands);
        tvApps[APP_XPERTTVR].active = 1;
    }
    void TearDown() override
    {
        DestroyProgramWindow();
        if (IsWindow(app))
            DestroyWindow(app);
        tvApps[APP_XPERTTVR].active = 0;
        sleepThread = Sleep;
        TunerUnplugAll();
        ResetStick();
    }
    // One polling tick, then the messages it posted are handed out.
    void Tick()
    {
        PollRemote(MainWindow(), WM_TIMER, 1, 0);
        MSG message;
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    }
};

static BYTE Report(BYTE id, BYTE code, BYTE *report)
{
    memset(report, 0, 8);
    report[0] = id;
    report[2] = code;
    return 0;
}

TEST_F(Misbehaving, JunkAndForeignReportsAreNoKeysAndTheNextKeyArrivesOnce)
{
    ASSERT_TRUE(CreateMainWindow(GetModuleHandleA(NULL)));
    StopTimer(pollTimer);
    const struct {
        BYTE status, id, code, bytes;
    } junk[] = {
        { 1, 0x42, 5, 0 },    // another remote's identification
        { 1, 0x00, 5, 0 },
        { 1, 7, 0xFF, 0 },    // a valid report without a key
        { 0, 7, 5, 0 },       // a status other than 1
        { 2, 7, 5, 0 },
        { 0xFF, 7, 5, 0 },
        { 1, 7, 5, 1 },       // only the identification written, the key byte left as it was
    };
    for (const auto &j : junk) {
        BYTE report[8];
        Report(j.id, j.code, report);
        report[1] = 0xA5;     // junk around the fields that count
        report[7] = 0x5A;
        QueueStickReport(j.status, report, j.bytes);
        Tick();
        EXPECT_TRUE(commands.empty()) << "status " << (int)j.status << " id " << (int)j.id << " code " << (int)j.code;
    }
    QueueStickKey(5);
    Tick();
    Tick();
    EXPECT_EQ(std::vector<WPARAM>({ 4003 }), commands);
}

TEST_F(Misbehaving, AnOpenThatFailsEveryOtherTimeIsRetriedUntilItHolds)
{
    SetStick([](StickState *s) { s->initFailsAlternately = 1; });
    ASSERT_TRUE(CreateMainWindow(GetModuleHandleA(NULL)));
    EXPECT_EQ(0, receiverReady) << "the first open failed";
    EXPECT_TRUE(ReceiverRetryTimer().running);
    RetryReceiver(MainWindow(), WM_TIMER, RETRY_TIMER_ID, 0);
    EXPECT_EQ(1, receiverReady);
    EXPECT_TRUE(pollTimer.running);
    EXPECT_FALSE(ReceiverRetryTimer().running);
    StopTimer(pollTimer);
    QueueStickKey(5);
    Tick();
    EXPECT_EQ(std::vector<WPARAM>({ 4003 }), commands);
    // Unplugged and back: the first open fails again, the next holds.
    ASSERT_TRUE(UnplugStick());
    Tick();
    EXPECT_TRUE(ReceiverRetryTimer().running);
    ASSERT_TRUE(PlugStick());
    RetryReceiver(MainWindow(), WM_TIMER, RETRY_TIMER_ID, 0);
    RetryReceiver(MainWindow(), WM_TIMER, RETRY_TIMER_ID, 0);
    EXPECT_EQ(1, receiverReady);
    StopTimer(pollTimer);
    // Another key: the same one this soon would be a repeat, held back while an application is driven.
    QueueStickKey(7);
    Tick();
    EXPECT_EQ(std::vector<WPARAM>({ 4003, 1009 }), commands);
    StickState stick = StickSnapshot();
    EXPECT_EQ(stick.initCalls, stick.initSuccesses * 2) << "every failed open was followed by one that held";
}

static DWORD WINAPI QueueKeyLater(LPVOID)
{
    Sleep(500);
    QueueStickKey(5);
    return 0;
}

// The polling timer keeps running during a read that hangs; Windows holds at most one
// WM_TIMER, so afterwards no burst of ticks follows and the key pressed meanwhile comes once.
TEST_F(Misbehaving, AReadThatHangsTwoSecondsPilesUpNoTicks)
{
    ASSERT_TRUE(CreateMainWindow(GetModuleHandleA(NULL)));
    ASSERT_TRUE(WaitFor([] { return StickSnapshot().getIrCalls >= 2; }, 2000));
    SetStick([](StickState *s) {
        s->stallMs = 2000;
        s->stallReads = 1;
    });
    HANDLE presser = CreateThread(NULL, 0, QueueKeyLater, NULL, 0, NULL);
    DWORD start = GetTickCount();
    ASSERT_TRUE(WaitFor([] { return StickSnapshot().stallReads == 0 && StickSnapshot().getIrCalls > 0; }, 3000));
    DWORD readsBefore = StickSnapshot().getIrCalls;
    // Past the stall: the reads in the next 500 ms are those of a 100 ms timer, not a backlog.
    ASSERT_TRUE(WaitFor([&] { return GetTickCount() - start >= 2600; }, 4000));
    DWORD readsAfter = StickSnapshot().getIrCalls;
    PumpFor(300);
    WaitForSingleObject(presser, 5000);
    CloseHandle(presser);
    EXPECT_LE(readsAfter - readsBefore, 7u);
    EXPECT_EQ(std::vector<WPARAM>({ 4003 }), commands);
    EXPECT_EQ(1u, StickSnapshot().eventsDelivered);
}

static unsigned char(__stdcall *realGetIR)(unsigned char *);
static unsigned char __stdcall UnplugThenRead(unsigned char *report)
{
    UnplugStick();
    return realGetIR(report);
}

TEST_F(Misbehaving, TheStickGoesBetweenThePresenceCheckAndTheRead)
{
    ASSERT_TRUE(CreateMainWindow(GetModuleHandleA(NULL)));
    StopTimer(pollTimer);
    QueueStickKey(5);
    realGetIR = (unsigned char(__stdcall *)(unsigned char *))RedirectImport("af15bdaex.dll", "af15_GetIR",
                                                                           (void *)UnplugThenRead);
    ASSERT_TRUE(realGetIR != NULL);
    Tick();
    RedirectImport("af15bdaex.dll", "af15_GetIR", (void *)realGetIR);
    EXPECT_TRUE(commands.empty()) << "the read of a stick that is gone gives nothing";
    Tick();
    EXPECT_TRUE(ReceiverRetryTimer().running);
    EXPECT_FALSE(pollTimer.running);
    ASSERT_TRUE(PlugStick());
    RetryReceiver(MainWindow(), WM_TIMER, RETRY_TIMER_ID, 0);
    ASSERT_EQ(1, receiverReady);
    StopTimer(pollTimer);
    Tick();
    EXPECT_EQ(std::vector<WPARAM>({ 4003 }), commands) << "the key still queued comes once the stick is back";
}

static HWND closingWindow;
static HWND(WINAPI *realFindWindowExA)(HWND, HWND, LPCSTR, LPCSTR);
static HWND WINAPI FindThenClose(HWND parent, HWND after, LPCSTR windowClass, LPCSTR title)
{
    HWND found = realFindWindowExA(parent, after, windowClass, title);
    if (found && found == closingWindow)
        DestroyWindow(found);
    return found;
}
static VOID WINAPI CloseDuringPause(DWORD)
{
    if (IsWindow(closingWindow))
        DestroyWindow(closingWindow);
}

TEST_F(Misbehaving, TheDrivenWindowClosesMidKeyMapOrDuringItsPause)
{
    ASSERT_TRUE(CreateMainWindow(GetModuleHandleA(NULL)));
    StopTimer(pollTimer);
    // Between the lookup and the post.
    closingWindow = app;
    realFindWindowExA = (HWND(WINAPI *)(HWND, HWND, LPCSTR, LPCSTR))RedirectImport("user32.dll", "FindWindowExA",
                                                                                  (void *)FindThenClose);
    ASSERT_TRUE(realFindWindowExA != NULL);
    QueueStickKey(5);
    Tick();
    RedirectImport("user32.dll", "FindWindowExA", (void *)realFindWindowExA);
    EXPECT_FALSE(IsWindow(app));
    EXPECT_TRUE(commands.empty());

    // Another instance closes during the pause after its command; the next key finds no window.
    app = OpenTestWindow("XPERT_TVR", "XpertTVR", RecordCommands);
    closingWindow = app;
    sleepThread = CloseDuringPause;
    QueueStickKey(42);
    Tick();
    EXPECT_FALSE(IsWindow(app));
    QueueStickKey(5);
    Tick();
    EXPECT_TRUE(commands.empty());
    // A third instance gets the next key, once.
    sleepThread = Sleep;
    app = OpenTestWindow("XPERT_TVR", "XpertTVR", RecordCommands);
    QueueStickKey(7);
    Tick();
    EXPECT_EQ(std::vector<WPARAM>({ 1009 }), commands);
    EXPECT_TRUE(pollTimer.window == MainWindow() && receiverReady);
}
