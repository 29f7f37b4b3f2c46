// kestrel.exe driven as a person would: the virtual remote moves and clicks the pointer,
// the real mouse (xdotool) clicks the tray icon where Wine shows it.
#include <windows.h>
#include <shellapi.h>
#include <vector>

#include "e2e_desktop.h"
#include "e2e_kestrel_fixture.h"
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

class RemoteAndTray : public KestrelE2e {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(KestrelE2e::SetUp());
        Remote("plug");
        DWORD started = GetTickCount();
        ASSERT_NO_FATAL_FAILURE(StartKestrel());
        // With the stick there from the start, polling starts with the program, not with a retry.
        EXPECT_LT(GetTickCount() - started, 2500u);
        ASSERT_TRUE(PlaceCursor(300, 300));
    }
    // The last event is taken by one tick and acted on in the same tick.
    static void RemoteActedOn(const char *arguments)
    {
        Remote(arguments);
        PumpFor(150);
    }
};

TEST_F(RemoteAndTray, HeldKeyMovesThePointerSlowThenFaster)
{
    RemoteActedOn("hold 6 4");
    EXPECT_EQ(304, Cursor().x) << "four 1-pixel steps";
    RemoteActedOn("pause 400 hold 8 12");
    POINT at = Cursor();
    EXPECT_EQ(304, at.x);
    EXPECT_EQ(300 + 4 + 5 * 6 + 3 * 12, at.y) << "1, then 1024/160, then 1024/80 pixels";
    RemoteActedOn("pause 400 press 4");
    EXPECT_EQ(303, Cursor().x) << "a new press starts slow again";
}

TEST_F(RemoteAndTray, RemoteClicksWhereThePointerIs)
{
    HWND target = OpenTestWindow("ClickTarget", "click target", RecordClicks, WS_POPUP | WS_VISIBLE,
                                 WS_EX_TOPMOST, 200, 200, 200, 200);
    ASSERT_TRUE(target != NULL);
    PumpFor(200);
    clicks.clear();
    RemoteActedOn("press 0");
    ASSERT_TRUE(WaitFor([] { return clicks.size() >= 2; }, 2000));
    EXPECT_EQ(WM_LBUTTONDOWN, clicks[0]);
    EXPECT_EQ(WM_LBUTTONUP, clicks[1]);
    clicks.clear();
    RemoteActedOn("press 10");
    ASSERT_TRUE(WaitFor([] { return clicks.size() >= 2; }, 2000));
    EXPECT_EQ(WM_RBUTTONDOWN, clicks[0]);
    EXPECT_EQ(WM_RBUTTONUP, clicks[1]);
    clicks.clear();
    // Key 5 holds the button down until it comes again.
    RemoteActedOn("press 5");
    ASSERT_TRUE(WaitFor([] { return clicks.size() >= 1; }, 2000));
    EXPECT_EQ((std::vector<int>{ WM_LBUTTONDOWN }), clicks);
    RemoteActedOn("pause 300 press 5");
    ASSERT_TRUE(WaitFor([] { return clicks.size() >= 2; }, 2000));
    EXPECT_EQ(WM_LBUTTONUP, clicks[1]);
    DestroyWindow(target);
}

// The menu belongs to kestrel's process, so its items are told apart by what they do.
TEST_F(RemoteAndTray, RealClickOnTheTrayIconOpensTheMenuAndExitEndsTheProgram)
{
    ASSERT_TRUE(OpenTrayMenu()) << "a right click on the icon opens the menu";
    // From the bottom, past a separator: About.
    TypeKeys({ VK_UP, VK_UP, VK_RETURN });
    ASSERT_TRUE(WaitFor([] { return FindWindowA(NULL, "Remote Control - About") != NULL; }, 5000));
    EXPECT_FALSE(MenuOpen());
    PostMessageA(FindWindowA(NULL, "Remote Control - About"), WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([] { return FindWindowA(NULL, "Remote Control - About") == NULL; }, 5000));

    ASSERT_TRUE(OpenTrayMenu()) << "again, and the last item is Exit";
    TypeKeys({ VK_UP, VK_RETURN });
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(kestrel, 5000)) << "Exit ends the program";
    EXPECT_EQ(0u, KestrelExitCode());
    EXPECT_TRUE(WaitFor([] { return TrayIconWindow() == NULL; }, 3000)) << "and takes its icon along";
}

TEST_F(RemoteAndTray, LeftButtonOpensTheMenuToo)
{
    ASSERT_TRUE(ClickTrayIcon(1));
    ASSERT_TRUE(WaitFor(MenuOpen, 5000));
    TypeKeys({ VK_ESCAPE });
    EXPECT_TRUE(WaitFor([] { return !MenuOpen(); }, 5000));

    // The menu left kestrel's window in front with the keyboard: Alt+/ is About's accelerator.
    Chord({ VK_MENU }, VK_OEM_2);
    EXPECT_TRUE(WaitFor([] { return FindWindowA(NULL, "Remote Control - About") != NULL; }, 5000))
        << "Alt+/ did not open About";
    PostMessageA(FindWindowA(NULL, "Remote Control - About"), WM_COMMAND, IDOK, 0);
}

TEST_F(RemoteAndTray, TrayClickWithoutTheStickWarnsAndEnds)
{
    Remote("unplug");
    DWORD closes = StickSnapshot().exitCalls;
    ASSERT_TRUE(WaitFor([&] { return StickSnapshot().exitCalls > closes; }, 5000)) << "kestrel is Waiting";
    ASSERT_TRUE(ClickTrayIcon(1));
    ASSERT_TRUE(WaitFor([] { return FindWindowA("#32770", "Remote Control") != NULL; }, 5000));
    HWND box = FindWindowA("#32770", "Remote Control");
    char text[200] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EXPECT_STREQ("Can't find the Video Capture Filter.\n\nPlease check your hardware or drivers.", text);
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(kestrel, 0)) << "it waits for the user";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(kestrel, 5000));
    EXPECT_EQ(0u, KestrelExitCode());
    EXPECT_TRUE(WaitFor([] { return TrayIconWindow() == NULL; }, 3000));
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
