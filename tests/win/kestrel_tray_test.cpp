// The tray icon and its menu on the program's real main window, seen from Wine's tray: the
// icon window the shell shows, the tip it shows, the callbacks it sends back.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>
#include <commctrl.h>
#include <string.h>
#include <initializer_list>
#include <string>
#include <vector>

#include "base/process_integrity.h"
#include "base/seams.h"
#include "core/dispatch.h"
#include "core/mouse.h"
#include "core/receiver.h"
#include "kestrel_window.h"
#include "profiles/profile.h"
#include "registry_support.h"
#include "settings/settings.h"
#include "stick_plug.h"
#include "tuner_control.h"
#include "tvapp_support.h"
#include "win_support.h"

struct MenuItem {
    std::string text;
    UINT id;
    UINT type;
    UINT state;
};

static std::vector<MenuItem> ReadMenu(HMENU menu)
{
    std::vector<MenuItem> items;
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[64] = "";
        MENUITEMINFOA info;
        ZeroMemory(&info, sizeof info);
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_TYPE | MIIM_STATE;
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu, (UINT)i, TRUE, &info);
        items.push_back({ (info.fType & MFT_SEPARATOR) ? "-" : text, info.wID, info.fType, info.fState });
    }
    return items;
}

static std::vector<std::string> Texts(const std::vector<MenuItem> &items)
{
    std::vector<std::string> texts;
    for (const MenuItem &item : items)
        texts.push_back(item.text);
    return texts;
}

// Menus seen while they tracked, as the menu window names them; each is closed at once.
static std::vector<HMENU> shownMenus;
static std::vector<int> shownMenuItems;
static int warningsShown;
static void CALLBACK CloseMenuWhenShown(HWND, UINT, UINT_PTR, DWORD)
{
    // A missing-receiver warning where a menu belongs must not hang the run.
    HWND box = FindWindowA("#32770", "Remote Control");
    if (box) {
        ++warningsShown;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    HWND menuWindow = FindWindowA("#32768", NULL);
    if (menuWindow && IsWindowVisible(menuWindow)) {
        HMENU menu = (HMENU)SendMessageA(menuWindow, MN_GETHMENU, 0, 0);
        shownMenus.push_back(menu);
        shownMenuItems.push_back(GetMenuItemCount(menu));
        EndMenu();
    }
}

// What the tray sent to the program's window: (message, wParam, lParam) of mouse notices.
struct TrayCallback {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
static std::vector<TrayCallback> trayCallbacks;
static WNDPROC programProcedure;

static LRESULT CALLBACK RecordTrayCallbacks(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_TIMER && message < WM_USER + 0x1000 && lParam >= WM_MOUSEFIRST
        && lParam <= WM_MOUSELAST && wParam < 0x10000)
        trayCallbacks.push_back({ message, wParam, lParam });
    return CallWindowProcA(programProcedure, window, message, wParam, lParam);
}

// What the shell was handed, seen at the program's call: the notice and the record's size field.
// Wine's shell takes any size as the first layout, so the size is only visible here.
struct ShellNotice {
    DWORD message;
    DWORD size;
    UINT id;
    UINT flags;
    std::string title, text;   // of a balloon
};
static std::vector<ShellNotice> shellNotices;
static BOOL(WINAPI *realShellNotifyIcon)(DWORD, PNOTIFYICONDATAA);
static BOOL WINAPI RecordShellNotice(DWORD message, PNOTIFYICONDATAA data)
{
    bool balloon = message == NIM_MODIFY && (data->uFlags & NIF_INFO);
    shellNotices.push_back({ message, data->cbSize, data->uID, data->uFlags, balloon ? data->szInfoTitle : "",
                             balloon ? data->szInfo : "" });
    return realShellNotifyIcon(message, data);
}
// The Windows 95 record, which every Windows takes: it ends with the 64-byte tip.
static const DWORD firstLayoutSize = sizeof(void *) == 8 ? 104 : 88;
// The Windows 2000 and XP record, the first with balloons: up to the balloon's flags.
static const DWORD secondLayoutSize = sizeof(void *) == 8 ? 504 : 488;


class Tray : public ::testing::Test {
protected:
    HWND appWindow = NULL;
    UINT_PTR menuCloser = 0;
    void SetUp() override
    {
        // The stick is there, so start-up itself leaves the receiver ready and no retry runs.
        ResetStick();
        ASSERT_TRUE(TunerUnplugAll());
        ASSERT_TRUE(PlugStick());
        for (int i = 0; i <= TV_APP_COUNT; ++i) {
            tvApps[i].installed = 0;
            tvApps[i].active = 0;
        }
        defaultTvApp = 9;
        alwaysRemoteOff = 0;
        receiverReady = 1;
        shownMenus.clear();
        shownMenuItems.clear();
        warningsShown = 0;
        trayCallbacks.clear();
        shellNotices.clear();
        if (!realShellNotifyIcon)
            realShellNotifyIcon = (BOOL(WINAPI *)(DWORD, PNOTIFYICONDATAA))RedirectImport(
                "shell32.dll", "Shell_NotifyIconA", (void *)RecordShellNotice);
        ASSERT_TRUE(realShellNotifyIcon != NULL);
        ASSERT_TRUE(EnsureMainWindowClass());
    }
    void TearDown() override
    {
        if (menuCloser)
            KillTimer(NULL, menuCloser);
        if (appWindow)
            DestroyWindow(appWindow);
        DestroyProgramWindow();
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, KESTREL_SETTINGS_KEY);
        TunerUnplugAll();
        ASSERT_TRUE(WaitFor([] { return TrayIconCount() == 0; }, 3000)) << "an icon outlived its test";
    }
    void StartProgram()
    {
        ASSERT_TRUE(CreateMainWindow(GetModuleHandleA(NULL)));
        programProcedure = (WNDPROC)SetWindowLongPtrA(MainWindow(), GWLP_WNDPROC, (LONG_PTR)RecordTrayCallbacks);
        ASSERT_EQ(1, TrayIconCount());
        menuCloser = SetTimer(NULL, 0, 30, CloseMenuWhenShown);
    }
    // The mouse on the icon as the tray sees it; returns once the tray's notice has been handled.
    void MouseOnIcon(UINT mouseMessage)
    {
        size_t before = trayCallbacks.size();
        ASSERT_TRUE(PostMessageA(TrayIconWindow(), mouseMessage, 0, MAKELPARAM(5, 5)));
        ASSERT_TRUE(WaitFor([&] { return trayCallbacks.size() > before; }, 3000)) << "no notice from the tray";
        PumpFor(30);
    }
};

TEST_F(Tray, ShellNotifiesWith1001AndShowsTheTip)
{
    StartProgram();
    MouseOnIcon(WM_MOUSEMOVE);
    ASSERT_EQ(1u, trayCallbacks.size());
    EXPECT_EQ(1001u, trayCallbacks[0].message);
    EXPECT_EQ(10u, trayCallbacks[0].wParam);
    EXPECT_EQ(0x200, trayCallbacks[0].lParam);
    EXPECT_EQ("Remote Control", ShownTrayTip(TrayIconWindow()));
    ASSERT_LE(1u, shellNotices.size());
    EXPECT_EQ((DWORD)NIM_ADD, shellNotices[0].message);
    EXPECT_EQ(firstLayoutSize, shellNotices[0].size);
    EXPECT_EQ(10u, shellNotices[0].id);
}

TEST_F(Tray, MouseOverTheIconPutsTheTipBack)
{
    StartProgram();
    // Something else changed what the shell shows for the icon.
    NOTIFYICONDATAA changed;
    ZeroMemory(&changed, sizeof changed);
    changed.cbSize = NOTIFYICONDATAA_V1_SIZE;
    changed.hWnd = MainWindow();
    changed.uID = 10;
    changed.uFlags = NIF_TIP;
    lstrcpynA(changed.szTip, "stale", sizeof changed.szTip);
    ASSERT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &changed));
    MouseOnIcon(WM_MOUSEMOVE);
    EXPECT_EQ("Remote Control", ShownTrayTip(TrayIconWindow()));
}

TEST_F(Tray, ButtonDownOpensANewMenuButtonUpDoesNot)
{
    StartProgram();
    MouseOnIcon(WM_LBUTTONUP);
    MouseOnIcon(WM_RBUTTONUP);
    MouseOnIcon(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(shownMenus.empty());

    MouseOnIcon(WM_RBUTTONDOWN);
    ASSERT_EQ(1u, shownMenus.size());
    EXPECT_EQ(6, shownMenuItems[0]) << "default 9 is not installed: no launch item";

    MouseOnIcon(WM_LBUTTONDOWN);
    ASSERT_EQ(2u, shownMenus.size());
    EXPECT_FALSE(IsMenu(shownMenus[0])) << "the menu of the earlier click is destroyed";
    EXPECT_TRUE(IsMenu(shownMenus[1]));
    EXPECT_EQ(0, warningsShown) << "the receiver is ready";
}

TEST_F(Tray, ExitTakesTheIconAlongAndQuits)
{
    StartProgram();
    SendMessageA(MainWindow(), WM_COMMAND, MAKEWPARAM(1201, 0), 0);
    MSG message;
    EXPECT_TRUE(PeekMessageA(&message, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_TRUE(IsWindow(MainWindow()));
    EXPECT_EQ(0, TrayIconCount()) << "gone while the window still exists";
    ASSERT_LE(2u, shellNotices.size());
    const ShellNotice &removal = shellNotices.back();
    EXPECT_EQ((DWORD)NIM_DELETE, removal.message);
    EXPECT_EQ(firstLayoutSize, removal.size);
    EXPECT_EQ(10u, removal.id);
}

TEST_F(Tray, RemoteOffEndsWithNoIconAndNoTimer)
{
    ASSERT_TRUE(WriteDword(KESTREL_SETTINGS_KEY, "AlwaysRemoteOff", 1));
    alwaysRemoteOff = 1;
    EXPECT_FALSE(CreateMainWindow(GetModuleHandleA(NULL)));
    ASSERT_TRUE(IsWindow(MainWindow()));
    EXPECT_EQ(0, TrayIconCount());
    EXPECT_FALSE(KillTimer(MainWindow(), 1));
    EXPECT_FALSE(KillTimer(MainWindow(), 3));
    alwaysRemoteOff = 0;
}

TEST_F(Tray, MenuWithTheInstalledDefaultApplication)
{
    const struct {
        int index;
        const char *text;
    } launchItems[] = { { 1, "PowerCinema" }, { 2, "WinDVR" }, { 3, "My_ICTV" }, { 5, "TotalMedia" },
                        { 6, "DeverOroru" }, { 7, "XpertTVR" }, { 8, "RAR-A RURI" }, { 9, "ZoruvUviro Zuvava" } };
    for (const auto &item : launchItems) {
        defaultTvApp = item.index;
        tvApps[item.index].installed = 1;
        HMENU menu = BuildTrayMenu();
        std::vector<MenuItem> items = ReadMenu(menu);
        DestroyMenu(menu);
        tvApps[item.index].installed = 0;
        EXPECT_EQ((std::vector<std::string>{ item.text, "-", "Setting", "-", "About", "-", "Exit" }), Texts(items));
        ASSERT_EQ(7u, items.size());
        EXPECT_EQ(1100u + item.index, items[0].id) << item.text;
        EXPECT_FALSE(items[0].state & MFS_CHECKED) << item.text;
        EXPECT_EQ(32u, items[2].id);
        EXPECT_EQ(30u, items[4].id);
        EXPECT_EQ(1201u, items[6].id);
    }
}

TEST_F(Tray, NoLaunchItemWhenTheDefaultIsNotInstalled)
{
    defaultTvApp = APP_RARARURI;
    tvApps[APP_WINDVR].installed = 1;
    HMENU menu = BuildTrayMenu();
    EXPECT_EQ((std::vector<std::string>{ "-", "Setting", "-", "About", "-", "Exit" }), Texts(ReadMenu(menu)));
    DestroyMenu(menu);

    defaultTvApp = APP_MEDIACENTER;
    menu = BuildTrayMenu();
    EXPECT_EQ("-", ReadMenu(menu)[0].text) << "no Media Center detected";
    DestroyMenu(menu);
}

TEST_F(Tray, RunningDefaultApplicationIsChecked)
{
    defaultTvApp = APP_ZORUVUVIRO;
    tvApps[APP_ZORUVUVIRO].installed = 1;
    appWindow = OpenTestWindow("VUzevaMainPanel_Class", "ZoruvUviro Zuvava");
    HMENU menu = BuildTrayMenu();
    std::vector<MenuItem> items = ReadMenu(menu);
    DestroyMenu(menu);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ("ZoruvUviro Zuvava", items[0].text);
    EXPECT_TRUE(items[0].state & MFS_CHECKED);
}

TEST_F(Tray, LaunchItemsAre1101To1109)
{
    StartProgram();
    SendMessageA(MainWindow(), WM_COMMAND, MAKEWPARAM(1108, 0), 0);
    EXPECT_EQ(APP_RARARURI, defaultTvApp);
    SendMessageA(MainWindow(), WM_COMMAND, MAKEWPARAM(1101, 0), 0);
    EXPECT_EQ(APP_POWERCINEMA, defaultTvApp);
    SendMessageA(MainWindow(), WM_COMMAND, MAKEWPARAM(1109, 0), 0);
    EXPECT_EQ(APP_ZORUVUVIRO, defaultTvApp);
    SendMessageA(MainWindow(), WM_COMMAND, MAKEWPARAM(1100, 0), 0);
    SendMessageA(MainWindow(), WM_COMMAND, MAKEWPARAM(1110, 0), 0);
    EXPECT_EQ(APP_ZORUVUVIRO, defaultTvApp);
}

// Moves by the remote's keys from a place; the pointer stays where a move would leave the bounds.
static POINT MovesFrom(int x, int y, std::initializer_list<int> keys)
{
    PlaceCursor(x, y);
    for (int key : keys)
        EmulateMouse(key);
    POINT at;
    GetCursorPos(&at);
    return at;
}

TEST_F(Tray, DisplayChangeSetsTheBoundsWithoutTheOddHeightCorrection)
{
    StartProgram();
    // An 800 x 401 display: right bound 799, bottom bound 400, both outside.
    SendMessageA(MainWindow(), WM_DISPLAYCHANGE, 32, MAKELPARAM(800, 401));
    POINT at = MovesFrom(797, 398, { 6, 6, 8, 8 });
    EXPECT_EQ(798, at.x);
    EXPECT_EQ(399, at.y);
}

// Wide window borders make the full-screen height odd and smaller than the screen, for a while.
struct WideBorders {
    NONCLIENTMETRICSA saved;
    WideBorders()
    {
        saved.cbSize = sizeof saved;
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof saved, &saved, 0);
        NONCLIENTMETRICSA wide = saved;
        wide.iBorderWidth = 20;
        SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof wide, &wide, 0);
    }
    ~WideBorders() { SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof saved, &saved, 0); }
};

TEST_F(Tray, StartUpAddsNineteenToAnOddFullScreenHeight)
{
    int height = 0;
    {
        WideBorders borders;
        height = GetSystemMetrics(SM_CYFULLSCREEN);
        StartProgram();
    }
    ASSERT_EQ(1, height % 2) << height;
    ASSERT_LT(height + 19, GetSystemMetrics(SM_CYSCREEN)) << "the bound must lie inside the screen";
    int bottom = height + 19 - 1;
    POINT at = MovesFrom(300, bottom - 2, { 8, 8 });
    EXPECT_EQ(bottom - 1, at.y) << "full-screen height " << height;
}

// Integrity levels as Windows would report them: the stand-in elevated, this program not.
static DWORD elevatedProcess;
static DWORD LevelOf(DWORD processId)
{
    return processId == elevatedProcess ? 0x3000 : 0x2000;
}
static DWORD SameLevel(DWORD)
{
    return 0x2000;
}
// An elevated receiver refuses posts from this program.
static BOOL(WINAPI *realPostMessage)(HWND, UINT, WPARAM, LPARAM);
static BOOL WINAPI RefusedByElevated(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != elevatedProcess)
        return realPostMessage(window, message, wParam, lParam);
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
}

struct ShownBalloon {
    HWND window;
    std::string text;
};
static BOOL CALLBACK FindBalloon(HWND window, LPARAM found)
{
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (strcmp(className, "tooltips_class32") != 0 || !IsWindowVisible(window)
        || !(GetWindowLongA(window, GWL_STYLE) & TTS_BALLOON))
        return TRUE;
    WCHAR wide[256] = L"";
    char text[256] = "";
    if (SendMessageW(window, WM_GETTEXT, 256, (LPARAM)wide) > 0)
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, NULL, NULL);
    *(ShownBalloon *)found = { window, text };
    return FALSE;
}

TEST_F(Tray, ApplicationRunningAsAdministratorIsToldOnceByBalloonAndGetsNothing)
{
    StartProgram();
    std::string folder = TestTempFolder("elevated") + "\\";
    const struct { int index; const char *pose; unsigned codes[2]; bool postsRefused; const char *name; } cases[] = {
        { APP_TOTALMEDIA, "--as 5", { 81, 39 }, false, "TotalMedia" },      // keystrokes, integrity read
        { APP_POWERCINEMA, "--as 1", { 7, 8 }, true, "PowerCinema" },       // posts, integrity unknown
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TvAppInstance app;
        DeleteFileA((folder + c.name + ".txt").c_str());
        ASSERT_TRUE(StartTvApp(ModuleFolder() + "tvapp.exe", std::string(c.pose) + " --all-keys --record \"" +
                                   folder + c.name + ".txt\"", &app));
        TakeRecord(app);
        elevatedProcess = app.processId;
        processIntegrity = c.postsRefused ? SameLevel : LevelOf;
        if (c.postsRefused)
            realPostMessage = (BOOL(WINAPI *)(HWND, UINT, WPARAM, LPARAM))RedirectImport(
                "user32.dll", "PostMessageA", (void *)RefusedByElevated);
        tvApps[c.index].active = 1;
        shellNotices.clear();
        for (unsigned code : c.codes)
            RouteKey(Pressed((int)code), MainWindow());
        if (c.postsRefused)
            RedirectImport("user32.dll", "PostMessageA", (void *)realPostMessage);
        processIntegrity = ProcessIntegrityLevel;
        tvApps[c.index].active = 0;
        EXPECT_EQ(std::vector<std::string>{}, WithoutForeground(TakeRecord(app)));
        EndTvApp(app);

        std::string text = std::string(c.name) + " runs as administrator; the remote cannot reach it. Start it "
                                                 "normally, or start kestrel as administrator.";
        ASSERT_EQ(1u, shellNotices.size()) << "one balloon for both keys";
        EXPECT_EQ((DWORD)NIM_MODIFY, shellNotices[0].message);
        EXPECT_EQ((UINT)NIF_INFO, shellNotices[0].flags);
        EXPECT_EQ(secondLayoutSize, shellNotices[0].size);
        EXPECT_EQ(10u, shellNotices[0].id);
        EXPECT_EQ("Remote Control", shellNotices[0].title);
        EXPECT_EQ(text, shellNotices[0].text);
        ShownBalloon shown = { NULL, "" };
        EXPECT_TRUE(WaitFor([&] {
            EnumWindows(FindBalloon, (LPARAM)&shown);
            return shown.text == text;
        }, 6000)) << "Wine's tray shows: " << shown.text;
        // A balloon is closed by a click; the next one must be a new one.
        if (shown.window)
            PostMessageA(shown.window, WM_LBUTTONDOWN, 0, 0);
    }
    // The icon's own record kept its size throughout.
    RefreshTrayIcon();
    EXPECT_EQ(firstLayoutSize, shellNotices.back().size);
}
