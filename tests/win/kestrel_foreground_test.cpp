// Keystrokes reach only the application they are meant for: a machine under load, a window
// that will not give up the foreground, a foreground Windows keeps locked (a seam: Wine never
// locks it) and a window that takes the front in the middle of a chord. Windows of this test
// stand for the user's other programs and note every key that reaches them.
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>

#include "base/seams.h"
#include "profiles/app_index.h"
#include "profiles/profile.h"
#include "profiles/profile_ops.h"
#include "tvapp_support.h"
#include "win_support.h"

typedef std::vector<std::string> Lines;

static CRITICAL_SECTION keysLock;
static std::vector<WPARAM> strayKeys;   // key-downs that reached one of this test's windows

static void NoteKey(UINT message, WPARAM vk)
{
    if (message != WM_KEYDOWN && message != WM_SYSKEYDOWN)
        return;
    EnterCriticalSection(&keysLock);
    strayKeys.push_back(vk);
    LeaveCriticalSection(&keysLock);
}

static std::vector<WPARAM> StrayKeys()
{
    PumpFor(30);
    EnterCriticalSection(&keysLock);
    std::vector<WPARAM> keys = strayKeys;
    LeaveCriticalSection(&keysLock);
    return keys;
}

static LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    NoteKey(message, wParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

// Takes the front back the moment it loses it, as a program holding the foreground would.
static LRESULT CALLBACK RefusingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE)
        SetForegroundWindow(window);
    return CountingProc(window, message, wParam, lParam);
}

// A window on a thread of its own; with a keyboard hook it takes the front as soon as it sees
// the first injected key go down.
struct OtherWindow {
    WNDPROC procedure;
    bool stealOnFirstKey;
    HWND window;
    HANDLE ready;
    DWORD threadId;
};
static OtherWindow *thief = NULL;

static LRESULT CALLBACK StealFront(int code, WPARAM message, LPARAM info)
{
    const KBDLLHOOKSTRUCT *key = (const KBDLLHOOKSTRUCT *)info;
    if (code == HC_ACTION && thief && message == WM_KEYDOWN && (key->flags & LLKHF_INJECTED)) {
        SetForegroundWindow(thief->window);
        thief = NULL;
    }
    return CallNextHookEx(NULL, code, message, info);
}

static DWORD WINAPI OtherWindowThread(LPVOID parameter)
{
    OtherWindow *other = (OtherWindow *)parameter;
    other->window = OpenTestWindow(other->procedure == RefusingProc ? "RefusingWindow" : "ThiefWindow", "other",
                                   other->procedure, WS_POPUP | WS_VISIBLE, 0, 600, 500, 80, 80);
    HHOOK hook = other->stealOnFirstKey ? SetWindowsHookExA(WH_KEYBOARD_LL, StealFront, GetModuleHandleA(NULL), 0)
                                        : NULL;
    SetForegroundWindow(other->window);
    SetEvent(other->ready);
    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0)
        DispatchMessageA(&message);
    if (hook)
        UnhookWindowsHookEx(hook);
    DestroyWindow(other->window);
    return 0;
}

static BOOL WINAPI LockedForeground(HWND)
{
    return FALSE;   // Windows only flashes the taskbar button
}

static volatile LONG stopBusy;
static DWORD WINAPI BusyLoop(LPVOID)
{
    while (!stopBusy)
        ;
    return 0;
}

static Lines TapLines(int vk)
{
    return { "key " + std::to_string(vk) + " down ext=1 injected=1 scan=0 extra=0",
             "key " + std::to_string(vk) + " up ext=1 injected=1 scan=0 extra=0" };
}

class Foreground : public ::testing::Test {
protected:
    TvAppInstance app = {};
    HWND bystander = NULL;
    HANDLE otherThread = NULL;
    OtherWindow other = {};
    static void SetUpTestSuite() { InitializeCriticalSection(&keysLock); }
    void SetUp() override
    {
        strayKeys.clear();
        tvApps[APP_TOTALMEDIA].active = 1;
        std::string folder = TestTempFolder("foreground") + "\\";
        std::string record = folder + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt";
        DeleteFileA(record.c_str());
        // Keys are recorded only while the stand-in is really in front.
        ASSERT_TRUE(StartTvApp(ModuleFolder() + "tvapp.exe", "--as 5 --record \"" + record + "\"", &app));
        TakeRecord(app);
    }
    void TearDown() override
    {
        setForegroundWindow = SetForegroundWindow;
        if (otherThread) {
            PostThreadMessageA(other.threadId, WM_QUIT, 0, 0);
            WaitForSingleObject(otherThread, 5000);
            CloseHandle(otherThread);
            CloseHandle(other.ready);
        }
        if (bystander)
            DestroyWindow(bystander);
        EndTvApp(app);
    }
    void FrontBystander()
    {
        if (!bystander)
            bystander = OpenTestWindow("ForegroundBystander", "bystander", CountingProc, WS_POPUP | WS_VISIBLE, 0,
                                       400, 400, 80, 80);
        SetForegroundWindow(bystander);
        ASSERT_TRUE(WaitFor([this] { return GetForegroundWindow() == bystander; }, 2000));
        TakeRecord(app);
    }
    void FrontOtherThread(WNDPROC procedure, bool stealOnFirstKey)
    {
        other = { procedure, stealOnFirstKey, NULL, CreateEventA(NULL, TRUE, FALSE, NULL), 0 };
        otherThread = CreateThread(NULL, 0, OtherWindowThread, &other, 0, &other.threadId);
        ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(other.ready, 5000));
        ASSERT_TRUE(WaitFor([this] { return GetForegroundWindow() == other.window; }, 2000));
        TakeRecord(app);
    }
    // Milliseconds DispatchKey took.
    DWORD Dispatch(unsigned code)
    {
        DWORD start = GetTickCount();
        DispatchKey(APP_TOTALMEDIA, code);
        return GetTickCount() - start;
    }
};

TEST_F(Foreground, UnderLoadKeysReachTheApplicationOrNoOne)
{
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    stopBusy = 0;
    std::vector<HANDLE> busy;
    for (DWORD i = 0; i < system.dwNumberOfProcessors; ++i)
        busy.push_back(CreateThread(NULL, 0, BusyLoop, NULL, 0, NULL));
    int arrived = 0;
    for (int round = 0; round < 4; ++round) {
        for (unsigned code : { 39u, 81u }) {
            SCOPED_TRACE("round " + std::to_string(round) + " code " + std::to_string(code));
            FrontBystander();
            Dispatch(code);
            Lines record = WithoutForeground(TakeRecord(app));
            Lines whole = TapLines(code == 39 ? VK_NUMPAD0 : VK_SUBTRACT);
            for (const std::string &line : record)
                EXPECT_NE(whole.end(), std::find(whole.begin(), whole.end(), line)) << line;
            arrived += record == whole;
        }
    }
    stopBusy = 1;
    for (HANDLE thread : busy) {
        WaitForSingleObject(thread, 5000);
        CloseHandle(thread);
    }
    EXPECT_EQ(std::vector<WPARAM>{}, StrayKeys()) << "keys went to the window that was in front";
    EXPECT_GT(arrived, 0);
}

TEST_F(Foreground, LockedForegroundSendsNothingAndWaitsBriefly)
{
    FrontBystander();
    setForegroundWindow = LockedForeground;
    for (unsigned code : { 39u, 81u, 42u })
        EXPECT_GT(500u, Dispatch(code)) << "code " << code;
    // TotalMedia closes with Alt+F4, which cannot reach it either: it still runs.
    EXPECT_EQ(0, CloseApp(APP_TOTALMEDIA));
    EXPECT_EQ(1, tvApps[APP_TOTALMEDIA].active);
    EXPECT_EQ(std::vector<WPARAM>{}, StrayKeys());
    EXPECT_EQ(Lines{}, TakeRecord(app));
    EXPECT_EQ(bystander, GetForegroundWindow());
    EXPECT_FALSE(GetAsyncKeyState(VK_MENU) & 0x8000);

    // Once Windows lets it come forward, the same keys arrive.
    setForegroundWindow = SetForegroundWindow;
    Dispatch(81);
    EXPECT_EQ(TapLines(VK_SUBTRACT), WithoutForeground(TakeRecord(app)));
}

TEST_F(Foreground, WindowThatKeepsTheFrontGetsNoKeys)
{
    FrontOtherThread(RefusingProc, false);
    for (unsigned code : { 39u, 81u })
        EXPECT_GT(500u, Dispatch(code)) << "code " << code;
    EXPECT_EQ(std::vector<WPARAM>{}, StrayKeys());
}

TEST_F(Foreground, WindowTakingTheFrontMidChordGetsNoneOfTheRest)
{
    FrontOtherThread(CountingProc, true);
    thief = &other;
    Dispatch(42);   // Ctrl+Shift+P: the thief takes the front as Ctrl goes down
    std::vector<WPARAM> stray = StrayKeys();
    for (WPARAM rest : { (WPARAM)VK_SHIFT, (WPARAM)'P' })
        EXPECT_EQ(0, std::count(stray.begin(), stray.end(), rest)) << "key " << rest;
    for (const std::string &line : TakeRecord(app))
        EXPECT_EQ(std::string::npos, line.find("key 80 ")) << line;
    // Ctrl, already down, was let up again.
    EXPECT_FALSE(GetAsyncKeyState(VK_CONTROL) & 0x8000);
}
