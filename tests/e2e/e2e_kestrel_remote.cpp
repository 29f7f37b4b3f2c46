// kestrel.exe driven as a person would: the virtual remote moves and clicks the pointer,
// the real mouse (xdotool) clicks the tray icon where Wine shows it.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>
#include <stdio.h>
#include <initializer_list>
#include <string>
#include <vector>

#include "tuner_control.h"
#include "e2e_desktop.h"
#include "win_support.h"

static POINT Cursor()
{
    POINT at;
    GetCursorPos(&at);
    return at;
}

static std::vector<int> clicks;
static LRESULT CALLBACK RecordClicks(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_RBUTTONDOWN
        || message == WM_RBUTTONUP)
        clicks.push_back((int)message);
    return DefWindowProcA(window, message, wParam, lParam);
}

class RemoteAndTray : public ::testing::Test {
protected:
    HANDLE kestrel = NULL;
    void SetUp() override
    {
        ResetStick();
        ASSERT_TRUE(TunerUnplugAll());
        ASSERT_EQ(0, RunProgram("remote.exe", "plug"));
        DWORD started = GetTickCount();
        kestrel = StartProgram("kestrel.exe", "");
        ASSERT_TRUE(kestrel != NULL);
        ASSERT_TRUE(WaitFor([] { return StickSnapshot().getIrCalls > 0; }, 10000)) << "kestrel polls";
        // With the stick there from the start, polling starts with the program, not with a retry.
        EXPECT_LT(GetTickCount() - started, 2500u);
        ASSERT_TRUE(PlaceCursor(300, 300));
    }
    void TearDown() override
    {
        EndKestrel(kestrel);
        TunerUnplugAll();
    }
    static void Remote(const char *arguments)
    {
        ASSERT_EQ(0, RunProgram("remote.exe", arguments)) << "remote " << arguments;
        ASSERT_TRUE(WaitFor([] { return StickSnapshot().count == 0; }, 10000));
        // The last event is taken by one tick and acted on in the same tick.
        PumpFor(150);
    }
};

TEST_F(RemoteAndTray, HeldKeyMovesThePointerSlowThenFaster)
{
    Remote("hold 6 4");
    EXPECT_EQ(304, Cursor().x) << "four 1-pixel steps";
    Remote("pause 400 hold 8 12");
    POINT at = Cursor();
    EXPECT_EQ(304, at.x);
    EXPECT_EQ(300 + 4 + 5 * 6 + 3 * 12, at.y) << "1, then 1024/160, then 1024/80 pixels";
    Remote("pause 400 press 4");
    EXPECT_EQ(303, Cursor().x) << "a new press starts slow again";
}

TEST_F(RemoteAndTray, RemoteClicksWhereThePointerIs)
{
    HWND target = OpenTestWindow("ClickTarget", "click target", RecordClicks, WS_POPUP | WS_VISIBLE,
                                 WS_EX_TOPMOST, 200, 200, 200, 200);
    ASSERT_TRUE(target != NULL);
    PumpFor(200);
    clicks.clear();
    Remote("press 0");
    ASSERT_TRUE(WaitFor([] { return clicks.size() >= 2; }, 2000));
    EXPECT_EQ(WM_LBUTTONDOWN, clicks[0]);
    EXPECT_EQ(WM_LBUTTONUP, clicks[1]);
    clicks.clear();
    Remote("press 10");
    ASSERT_TRUE(WaitFor([] { return clicks.size() >= 2; }, 2000));
    EXPECT_EQ(WM_RBUTTONDOWN, clicks[0]);
    EXPECT_EQ(WM_RBUTTONUP, clicks[1]);
    clicks.clear();
    // Key 5 holds the button down until it comes again.
    Remote("press 5");
    ASSERT_TRUE(WaitFor([] { return clicks.size() >= 1; }, 2000));
    EXPECT_EQ((std::vector<int>{ WM_LBUTTONDOWN }), clicks);
    Remote("pause 300 press 5");
    ASSERT_TRUE(WaitFor([] { return clicks.size() >= 2; }, 2000));
    EXPECT_EQ(WM_LBUTTONUP, clicks[1]);
    DestroyWindow(target);
}

// Keys typed on the keyboard; they go to the foreground thread, the one tracking the menu.
static bool TypeKeys(std::initializer_list<BYTE> keys)
{
    for (BYTE key : keys) {
        keybd_event(key, 0, 0, 0);
        keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
        PumpFor(50);
    }
    return true;
}

// The menu belongs to kestrel's process, so its items are told apart by what they do.
TEST_F(RemoteAndTray, RealClickOnTheTrayIconOpensTheMenuAndExitEndsTheProgram)
{
    ASSERT_TRUE(OpenTrayMenu()) << "a right click on the icon opens the menu";
    // From the bottom, past a separator: About.
    ASSERT_TRUE(TypeKeys({ VK_UP, VK_UP, VK_RETURN }));
    ASSERT_TRUE(WaitFor([] { return FindWindowA(NULL, "Remote Control - About") != NULL; }, 5000));
    EXPECT_FALSE(MenuOpen());
    PostMessageA(FindWindowA(NULL, "Remote Control - About"), WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([] { return FindWindowA(NULL, "Remote Control - About") == NULL; }, 5000));

    ASSERT_TRUE(OpenTrayMenu()) << "again, and the last item is Exit";
    ASSERT_TRUE(TypeKeys({ VK_UP, VK_RETURN }));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(kestrel, 5000)) << "Exit ends the program";
    DWORD code = 99;
    GetExitCodeProcess(kestrel, &code);
    EXPECT_EQ(0u, code);
    EXPECT_TRUE(WaitFor([] { return TrayIconWindow() == NULL; }, 3000)) << "and takes its icon along";
    CloseHandle(kestrel);
    kestrel = NULL;
}

TEST_F(RemoteAndTray, LeftButtonOpensTheMenuToo)
{
    ASSERT_TRUE(WaitFor([] { return TrayIconWindow() != NULL; }, 5000));
    RECT icon;
    GetWindowRect(TrayIconWindow(), &icon);
    ASSERT_TRUE(RealClick((icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2, 1));
    ASSERT_TRUE(WaitFor(MenuOpen, 5000));
    ASSERT_TRUE(TypeKeys({ VK_ESCAPE }));
    EXPECT_TRUE(WaitFor([] { return !MenuOpen(); }, 5000));

    // The menu left kestrel's window in front with the keyboard: Alt+/ is About's accelerator.
    keybd_event(VK_MENU, 0, 0, 0);
    keybd_event(VK_OEM_2, 0, 0, 0);
    keybd_event(VK_OEM_2, 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
    EXPECT_TRUE(WaitFor([] { return FindWindowA(NULL, "Remote Control - About") != NULL; }, 5000))
        << "Alt+/ did not open About";
    PostMessageA(FindWindowA(NULL, "Remote Control - About"), WM_COMMAND, IDOK, 0);
}

TEST_F(RemoteAndTray, TrayClickWithoutTheStickWarnsAndEnds)
{
    ASSERT_EQ(0, RunProgram("remote.exe", "unplug"));
    DWORD closes = StickSnapshot().exitCalls;
    ASSERT_TRUE(WaitFor([&] { return StickSnapshot().exitCalls > closes; }, 5000)) << "kestrel is Waiting";
    ASSERT_TRUE(WaitFor([] { return TrayIconWindow() != NULL; }, 5000));
    RECT icon;
    GetWindowRect(TrayIconWindow(), &icon);
    ASSERT_TRUE(RealClick((icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2, 1));
    ASSERT_TRUE(WaitFor([] { return FindWindowA("#32770", "Remote Control") != NULL; }, 5000));
    HWND box = FindWindowA("#32770", "Remote Control");
    char text[200] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EXPECT_STREQ("Can't find the Video Capture Filter.\n\nPlease check your hardware or drivers.", text);
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(kestrel, 0)) << "it waits for the user";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(kestrel, 5000));
    DWORD code = 99;
    GetExitCodeProcess(kestrel, &code);
    EXPECT_EQ(0u, code);
    EXPECT_TRUE(WaitFor([] { return TrayIconWindow() == NULL; }, 3000));
    CloseHandle(kestrel);
    kestrel = NULL;
}

TEST_F(RemoteAndTray, IconComesBackAfterTaskbarCreated)
{
    ASSERT_TRUE(WaitFor([] { return TrayIconWindow() != NULL; }, 5000));
    HWND window = FindWindowA("Remote Control", NULL);
    ASSERT_TRUE(window != NULL);
    // A restarted Explorer has lost every icon...
    NOTIFYICONDATAA lost;
    ZeroMemory(&lost, sizeof lost);
    lost.cbSize = NOTIFYICONDATAA_V1_SIZE;
    lost.hWnd = window;
    lost.uID = 10;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &lost));
    ASSERT_TRUE(WaitFor([] { return TrayIconWindow() == NULL; }, 3000));
    // ...and says so to every top-level window; the icon is added again.
    SendMessageA(window, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitFor([] { return TrayIconWindow() != NULL; }, 3000));
}
