// The tray icon and its menu on the program's real main window.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "core/pointer_steps.h"
#include "core/receiver.h"
#include "kestrel_window.h"
#include "profiles/profile.h"
#include "tuner_control.h"
#include "ui/settings.h"
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

static bool menuWindowSeen;
// Watches for the popup menu while it tracks, then closes it.
static void CALLBACK CloseMenuWhenShown(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (FindWindowA("#32768", NULL)) {
        menuWindowSeen = true;
        KillTimer(NULL, timer);
        EndMenu();
    }
}

class Tray : public ::testing::Test {
protected:
    HWND appWindow = NULL;
    void SetUp() override
    {
        ASSERT_TRUE(TunerUnplugAll());
        for (int i = 0; i <= TV_APP_COUNT; ++i) {
            tvApps[i].installed = 0;
            tvApps[i].active = 0;
        }
        defaultTvApp = 9;
        receiverReady = 1;
        ASSERT_TRUE(EnsureMainWindowClass());
        ASSERT_TRUE(CreateMainWindow(GetModuleHandleA(NULL)));
        // This test owns the receiver state; the start-up check found no stick.
        receiverReady = 1;
        menuWindowSeen = false;
    }
    void TearDown() override
    {
        if (appWindow)
            DestroyWindow(appWindow);
        DestroyProgramWindow();
    }
    // Sends a tray notification as the shell does; a menu that opens is closed again.
    void Notify(LPARAM mouseMessage)
    {
        UINT_PTR timer = SetTimer(NULL, 0, 30, CloseMenuWhenShown);
        SendMessageA(mainWindow, TRAY_CALLBACK_MESSAGE, TRAY_ICON_ID, mouseMessage);
        PumpFor(50);
        KillTimer(NULL, timer);
    }
};

TEST_F(Tray, MenuWithTheInstalledDefaultApplication)
{
    defaultTvApp = APP_RARARURI;
    tvApps[APP_RARARURI].installed = 1;
    HMENU menu = BuildTrayMenu();
    std::vector<MenuItem> items = ReadMenu(menu);
    DestroyMenu(menu);
    EXPECT_EQ((std::vector<std::string>{ "RAR-A RURI", "-", "Setting", "-", "About", "-", "Exit" }), Texts(items));
    ASSERT_EQ(7u, items.size());
    EXPECT_EQ(1108u, items[0].id);
    EXPECT_FALSE(items[0].state & MFS_CHECKED);
    EXPECT_EQ(32u, items[2].id);
    EXPECT_EQ(30u, items[4].id);
    EXPECT_EQ(1201u, items[6].id);
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
    defaultTvApp = APP_RARARURI;
    tvApps[APP_RARARURI].installed = 1;
    appWindow = OpenTestWindow("VUZEVA_DVBT", "RAR-A RURI");
    HMENU menu = BuildTrayMenu();
    std::vector<MenuItem> items = ReadMenu(menu);
    DestroyMenu(menu);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ("RAR-A RURI", items[0].text);
    EXPECT_TRUE(items[0].state & MFS_CHECKED);
}

TEST_F(Tray, ButtonDownOpensTheMenuButtonUpDoesNot)
{
    Notify(WM_LBUTTONUP);
    Notify(WM_RBUTTONUP);
    Notify(WM_LBUTTONDBLCLK);
    EXPECT_FALSE(menuWindowSeen);
    EXPECT_TRUE(trayMenu == NULL);

    Notify(WM_RBUTTONDOWN);
    EXPECT_TRUE(menuWindowSeen);
    ASSERT_TRUE(trayMenu != NULL);
    EXPECT_EQ(6, GetMenuItemCount(trayMenu)) << "default 9 is not installed";

    menuWindowSeen = false;
    Notify(WM_LBUTTONDOWN);
    EXPECT_TRUE(menuWindowSeen);
}

TEST_F(Tray, LaunchItemSwitchesTheDefaultInMemory)
{
    SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(1108, 0), 0);
    EXPECT_EQ(APP_RARARURI, defaultTvApp);
}

TEST_F(Tray, IconReturnsWhenTheTaskbarIsCreatedAgain)
{
    ASSERT_TRUE(RefreshTrayIcon()) << "the icon exists after start-up";
    // Explorer restarting loses every icon.
    RemoveTrayIcon(mainWindow, TRAY_ICON_ID);
    EXPECT_FALSE(RefreshTrayIcon());
    SendMessageA(mainWindow, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(RefreshTrayIcon());
}

TEST_F(Tray, ExitRemovesTheIconAndQuits)
{
    SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(1201, 0), 0);
    MSG message;
    EXPECT_TRUE(PeekMessageA(&message, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_FALSE(RefreshTrayIcon());
}

TEST_F(Tray, DisplayChangeResetsThePointerBounds)
{
    SendMessageA(mainWindow, WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024));
    EXPECT_EQ(1279, pointerBounds.right);
    EXPECT_EQ(1023, pointerBounds.bottom);
    EXPECT_EQ(8, pointerStepMedium);
    EXPECT_EQ(16, pointerStepLarge);
}
