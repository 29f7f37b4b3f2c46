// The launcher dialog run modally in this thread, watched from a thread timer inside its
// modal loop, with the installer stand-in's windows in a process of their own.
#include <gtest/gtest.h>

#include <windows.h>
#include <functional>
#include <string>
#include <vector>

#include "steps/launcher_dialog.h"
#include "tollgate_support.h"

typedef std::vector<std::string> Lines;

// What the watch saw of the dialog while it ran.
static struct DialogWatch {
    std::function<void(HWND)> whileOpen;   // run once, at the first look
    DWORD started, limitMs;
    bool looked, stopped;
    std::vector<bool> visible;             // one entry per look
} watch;

static HWND OwnDialog(void)
{
    HWND window = NULL;
    while ((window = FindWindowExA(NULL, window, "#32770", "tollgate")) != NULL) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId())
            return window;
    }
    return NULL;
}

static void CALLBACK Look(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = OwnDialog();
    if (!dialog)
        return;
    watch.visible.push_back(IsWindowVisible(dialog) != FALSE);
    if (!watch.looked) {
        watch.looked = true;
        if (watch.whileOpen)
            watch.whileOpen(dialog);
    }
    // A dialog that would run on is ended by the test, with Cancel, after the limit.
    if (GetTickCount() - watch.started > watch.limitMs) {
        watch.stopped = true;
        EndDialog(dialog, IDCANCEL);
    }
}

static INT_PTR RunWatched(int msuLaunched, int enableTimer, int waitTimer, DWORD limitMs,
                          std::function<void(HWND)> whileOpen = nullptr)
{
    watch.whileOpen = whileOpen;
    watch.started = GetTickCount();
    watch.limitMs = limitMs;
    watch.looked = watch.stopped = false;
    watch.visible.clear();
    UINT_PTR timer = SetTimer(NULL, 0, 20, Look);
    INT_PTR result = RunLauncherDialog(msuLaunched, enableTimer, waitTimer);
    KillTimer(NULL, timer);
    return result;
}

static void PostClick(HWND button)
{
    PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    PostMessageA(button, WM_LBUTTONUP, 0, 0);
}

class Dialog : public ::testing::Test {
protected:
    Dialog() : medium("dialog") {}
    ~Dialog() override { EndStrayInstallers(); }

    // Clicks the installer's notice once more and waits for it: every click posted to it
    // before has been handled then. The clicks it got, in order.
    Lines SettledClicks(const HotfixInstaller &installer, int expectedClicks)
    {
        HWND notice = FindWindowExA(NULL, NULL, "#32770", "Windows Update Standalone Installer");
        if (notice)
            PostClick(FindWindowExA(notice, NULL, "Button", "OK"));
        installer.WaitForCount("click sentinel OK", expectedClicks);
        Lines clicks;
        for (const std::string &line : installer.Record())
            if (line.compare(0, 5, "down ") == 0)
                clicks.push_back(line);
        return clicks;
    }

    Medium medium;
};

TEST_F(Dialog, EndsAtOnceUnlessAPackageIsWatched)
{
    static const struct { int msu, enable; } cases[] = { { 0, 1 }, { 0, 0 }, { 1, 0 }, { 0, 5 } };
    HotfixInstaller installer(medium, "fix.msu", "notice name=sentinel ignore=9\r\n");
    ASSERT_TRUE(installer.Start());
    for (const auto &c : cases) {
        EXPECT_EQ(IDOK, RunWatched(c.msu, c.enable, 0, 3000)) << c.msu << " " << c.enable;
        EXPECT_FALSE(watch.stopped);
    }
    // A package installing with the timer off is left to the user.
    EXPECT_EQ((Lines{ "down sentinel OK 1 0 posted" }), SettledClicks(installer, 1));
}

TEST_F(Dialog, TemplateFontAndIcon)
{
    HICON icon = LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(128));
    ASSERT_TRUE(icon != NULL);
    INT_PTR result = RunWatched(1, 1, 600000, 10000, [icon](HWND dialog) {
        char text[64] = "";
        GetWindowTextA(dialog, text, sizeof text);
        EXPECT_STREQ("tollgate", text);
        EXPECT_TRUE(IsWindowVisible(dialog)) << "visible until the first tick";
        LONG style = GetWindowLongA(dialog, GWL_STYLE);
        EXPECT_EQ((LONG)(WS_POPUP | WS_CAPTION | WS_SYSMENU), style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CHILD));
        EXPECT_TRUE(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
        EXPECT_TRUE(GetParent(dialog) == NULL);

        // Controls where the template puts them, in dialog units of its own font: place
        // and size are converted apart, as the dialog manager does.
        static const struct { int id; const char *text; RECT units; bool isDefault; } controls[] = {
            { IDOK, "OK", { 30, 40, 50, 14 }, true },
            { IDCANCEL, "Cancel", { 100, 39, 50, 14 }, false },
        };
        for (const auto &c : controls) {
            HWND button = GetDlgItem(dialog, c.id);
            ASSERT_TRUE(button != NULL) << c.text;
            GetWindowTextA(button, text, sizeof text);
            EXPECT_STREQ(c.text, text);
            RECT expected = c.units, actual;
            MapDialogRect(dialog, &expected);
            GetWindowRect(button, &actual);
            MapWindowPoints(NULL, dialog, (POINT *)&actual, 2);
            EXPECT_EQ(expected.left, actual.left) << c.text;
            EXPECT_EQ(expected.top, actual.top) << c.text;
            EXPECT_EQ(expected.right, actual.right - actual.left) << c.text;
            EXPECT_EQ(expected.bottom, actual.bottom - actual.top) << c.text;
            EXPECT_EQ(c.isDefault, (GetWindowLongA(button, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON) << c.text;
            EXPECT_TRUE(GetWindowLongA(button, GWL_STYLE) & WS_TABSTOP) << c.text;
        }
        RECT size = { 0, 0, 180, 65 }, client;
        MapDialogRect(dialog, &size);
        GetClientRect(dialog, &client);
        EXPECT_EQ(size.right, client.right);
        EXPECT_EQ(size.bottom, client.bottom);

        LOGFONTA font;
        ASSERT_NE(0, GetObjectA((HFONT)SendMessageA(dialog, WM_GETFONT, 0, 0), sizeof font, &font));
        EXPECT_STREQ("MS Sans Serif", font.lfFaceName);
        HDC screen = GetDC(NULL);
        EXPECT_EQ(-MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72), font.lfHeight);
        ReleaseDC(NULL, screen);

        EXPECT_TRUE((HICON)SendMessageA(dialog, WM_GETICON, ICON_BIG, 0) == icon);
        EXPECT_TRUE((HICON)SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0) == icon);
        EXPECT_TRUE((HICON)SendMessageA(dialog, WM_QUERYDRAGICON, 0, 0) == icon);
        PostClick(GetDlgItem(dialog, IDOK));
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_FALSE(watch.stopped);
}

TEST_F(Dialog, IconGroupHoldsTwoSixteenColourImages)
{
    HRSRC found = FindResourceA(NULL, MAKEINTRESOURCEA(128), (LPCSTR)RT_GROUP_ICON);
    ASSERT_TRUE(found != NULL);
    const BYTE *group = (const BYTE *)LockResource(LoadResource(NULL, found));
    ASSERT_TRUE(group != NULL);
    ASSERT_EQ(2, group[4] | group[5] << 8);
    // Entries of 14 bytes after the 6-byte header: width, height, colours, reserved,
    // planes, bits per pixel, size, identifier.
    static const int sizes[] = { 32, 16 };
    for (int n = 0; n < 2; ++n) {
        const BYTE *entry = group + 6 + 14 * n;
        EXPECT_EQ(sizes[n], entry[0]);
        EXPECT_EQ(sizes[n], entry[1]);
        EXPECT_EQ(16, entry[2]);
        EXPECT_EQ(4, entry[6] | entry[7] << 8);
    }
}

TEST_F(Dialog, OkBeforeTheFirstTickEndsItAndLeavesTheInstallerAlone)
{
    HotfixInstaller installer(medium, "fix.msu", "notice name=sentinel ignore=9\r\n");
    ASSERT_TRUE(installer.Start());
    INT_PTR result = RunWatched(1, 1, 600000, 10000, [](HWND dialog) { PostClick(GetDlgItem(dialog, IDOK)); });
    EXPECT_EQ(IDOK, result);
    EXPECT_FALSE(watch.stopped);
    EXPECT_EQ((Lines{ "down sentinel OK 1 0 posted" }), SettledClicks(installer, 1));

    result = RunWatched(1, 1, 600000, 10000, [](HWND dialog) { PostClick(GetDlgItem(dialog, IDCANCEL)); });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_FALSE(watch.stopped);
}

// WaitTimer 0 ticks at the system's shortest interval; a negative one is taken as 0, not
// as a period of weeks.
TEST_F(Dialog, ZeroOrNegativeWaitStillTicksAndTheNoticeEndsIt)
{
    for (int wait : { 0, -5, -1 }) {
        HotfixInstaller installer(medium, "fix.msu", "notice\r\n");
        ASSERT_TRUE(installer.Start());
        EXPECT_EQ(IDOK, RunWatched(1, 1, wait, 10000)) << wait;
        EXPECT_FALSE(watch.stopped) << wait;
        EXPECT_TRUE(installer.WaitForCount("click notice OK", 1)) << wait;
        EXPECT_EQ(0, installer.WaitForExit()) << wait;
    }
}

// Each tick hides the dialog; with no installer window it waits on, hidden.
TEST_F(Dialog, FirstTickHidesItAndWithoutAnInstallerItWaitsOn)
{
    EXPECT_EQ(IDCANCEL, RunWatched(1, 1, 200, 1200));
    EXPECT_TRUE(watch.stopped) << "it ended by itself";
    ASSERT_GE(watch.visible.size(), 3u);
    EXPECT_TRUE(watch.visible.front());
    EXPECT_FALSE(watch.visible.back());
}

TEST_F(Dialog, AnyTimerHidesItButOnlyItsOwnDrivesTheInstaller)
{
    HotfixInstaller installer(medium, "fix.msu", "notice name=sentinel ignore=9\r\n");
    ASSERT_TRUE(installer.Start());
    EXPECT_EQ(IDCANCEL, RunWatched(1, 1, 600000, 600, [](HWND dialog) {
        PostMessageA(dialog, WM_TIMER, LAUNCHER_TIMER + 1, 0);
    }));
    ASSERT_GE(watch.visible.size(), 2u);
    EXPECT_FALSE(watch.visible.back());
    EXPECT_EQ((Lines{ "down sentinel OK 1 0 posted" }), SettledClicks(installer, 1));
}

TEST_F(Dialog, MinimisedIconIsCentredInTheClientArea)
{
    HICON icon = LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(128));
    RunWatched(1, 1, 600000, 10000, [icon](HWND dialog) {
        RECT client;
        GetClientRect(dialog, &client);
        int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
        int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
        // Not minimised, the dialog paints the standard way: no icon in its middle.
        RedrawWindow(dialog, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        HDC window = GetDC(dialog);
        EXPECT_NE(RGB(0, 0, 128), GetPixel(window, x + 1, y + 1));
        EXPECT_NE(CLR_INVALID, GetPixel(window, x + 1, y + 1));
        ReleaseDC(dialog, window);

        HDC screen = GetDC(NULL);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
        ReleaseDC(NULL, screen);
        HGDIOBJ old = SelectObject(memory, bitmap);
        FillRect(memory, &client, (HBRUSH)GetStockObject(WHITE_BRUSH));
        DrawMinimisedIcon(dialog, memory, icon);
        // Half the room left over, rounded up, on each side: the icon's transparent rim
        // at the origin, its dark blue field one pixel in.
        COLORREF background = GetPixel(memory, 0, 0);
        EXPECT_EQ(RGB(0, 0, 128), GetPixel(memory, x + 1, y + 1));
        EXPECT_EQ(background, GetPixel(memory, x, y + 1));
        EXPECT_EQ(background, GetPixel(memory, x + 1, y));
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        PostClick(GetDlgItem(dialog, IDCANCEL));
    });
    EXPECT_TRUE(watch.looked);
}
