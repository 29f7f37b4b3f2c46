// kestrel.exe's settings and dialogs as a user meets them: the registry at start-up, the
// Setting and About dialogs opened from the tray menu and with the accelerators and driven
// with the keyboard and the real mouse, the shut-down confirmation opened and cancelled with
// the remote. Observed from outside: the registry, windows on the desktop, the tray.
#include <string>
#include <vector>

#include "dialog_probe.h"
#include "e2e_desktop.h"
#include "e2e_kestrel_fixture.h"
#include "registry_support.h"
#include "win_support.h"

static const char key[] = KESTREL_SETTINGS_KEY;
// What the About dialog shows, with the release's version as VERSION writes it.
static const std::string aboutVersion = std::string("Vireo Remote Control Utility V") + RELEASE_VERSION;

static HWND WaitForDialog(const char *caption)
{
    WaitFor([&] { HWND d = FindDialog(caption); return d && IsWindowVisible(d); }, 5000);
    return FindDialog(caption);
}

static bool WaitGone(const char *caption)
{
    return WaitFor([&] { return FindDialog(caption) == NULL; }, 5000);
}

static RECT Rect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

class Dialogs : public KestrelE2e {};

TEST_F(Dialogs, SettingAndAboutThroughTheTrayMenuAndTheAccelerators)
{
    // TotalMedia and XpertTVR installed, TotalMedia the default.
    ASSERT_TRUE(WriteString("SOFTWARE\\ArcSoft\\TotalMedia", "AppPath", "C:\\TotalMedia"));
    ASSERT_TRUE(WriteString("Software\\Honestech\\TV Plus\\TVR", "AppPath", "C:\\XpertTVR"));
    ASSERT_TRUE(WriteDword(key, "DefaultTVAPP", 5));
    ASSERT_TRUE(WriteDword(key, "AlwaysRemoteOff", 0));
    Remote("plug");
    StartKestrel();

    // Setting, third item from the bottom.
    ASSERT_TRUE(OpenTrayMenu());
    TypeKeys({ VK_UP, VK_UP, VK_UP, VK_RETURN });
    HWND setting = WaitForDialog("Remote Control - Setting");
    ASSERT_TRUE(setting != NULL) << "the menu's Setting item";
    int selected = -2;
    EXPECT_EQ((std::vector<std::string>{ "XpertTVR", "TotalMedia" }), ComboItems(GetDlgItem(setting, 11), &selected));
    EXPECT_EQ(1, selected);
    EXPECT_EQ(350, Rect(setting).left);
    EXPECT_EQ(300, Rect(setting).top);
    EXPECT_TRUE(GetWindowLongA(setting, GWL_EXSTYLE) & WS_EX_TOPMOST);
    // From OK to the list, one up, Enter.
    TypeKeys({ VK_TAB, VK_UP, VK_RETURN });
    ASSERT_TRUE(WaitGone("Remote Control - Setting"));
    EXPECT_EQ(7, ReadDword(key, "DefaultTVAPP"));

    // Alt+? opens it again, with the new default selected; the close box cancels.
    Chord({ VK_MENU, VK_SHIFT }, VK_OEM_2);
    setting = WaitForDialog("Remote Control - Setting");
    ASSERT_TRUE(setting != NULL) << "Alt+?";
    ComboItems(GetDlgItem(setting, 11), &selected);
    EXPECT_EQ(0, selected);
    TypeKeys({ VK_TAB, VK_DOWN });
    POINT close = CloseBoxPoint(setting);
    ASSERT_NE(-1, close.x);
    ASSERT_TRUE(RealClick(close.x, close.y, 1));
    ASSERT_TRUE(WaitGone("Remote Control - Setting"));
    EXPECT_EQ(7, ReadDword(key, "DefaultTVAPP"));

    // Alt+/ opens About; Escape closes it.
    Chord({ VK_MENU }, VK_OEM_2);
    HWND about = WaitForDialog("Remote Control - About");
    ASSERT_TRUE(about != NULL) << "Alt+/";
    std::vector<DialogControl> controls = ReadControls(about);
    ASSERT_EQ(4u, controls.size());
    EXPECT_EQ(aboutVersion, controls[1].text);
    EXPECT_EQ(350, Rect(about).left);
    EXPECT_EQ(300, Rect(about).top);
    TypeKeys({ VK_ESCAPE });
    ASSERT_TRUE(WaitGone("Remote Control - About"));

    // About from the menu too, ended with its OK button under the real mouse.
    ASSERT_TRUE(OpenTrayMenu());
    TypeKeys({ VK_UP, VK_UP, VK_RETURN });
    about = WaitForDialog("Remote Control - About");
    ASSERT_TRUE(about != NULL) << "the menu's About item";
    ASSERT_TRUE(RealClickOn(GetDlgItem(about, IDOK), 1));
    ASSERT_TRUE(WaitGone("Remote Control - About"));
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(kestrel, 0)) << "kestrel runs on";
}

TEST_F(Dialogs, RemoteOpensTheShutdownConfirmationAndAnotherKeyCancelsIt)
{
    Remote("plug");
    StartKestrel();
    Remote("press 11");
    HWND confirmation = WaitForDialog("Remote Control - Shut Down");
    ASSERT_TRUE(confirmation != NULL);
    EXPECT_EQ(350, Rect(confirmation).left);
    EXPECT_EQ(300, Rect(confirmation).top);
    std::vector<DialogControl> controls = ReadControls(confirmation);
    ASSERT_EQ(4u, controls.size());
    EXPECT_EQ("Press \"Power\" to shut down your computer, or any other key to cancel.", controls[2].text);
    Remote("press 0");
    EXPECT_TRUE(WaitGone("Remote Control - Shut Down"));
    // Open again and cancelled by the mouse.
    Remote("pause 300 press 11");
    confirmation = WaitForDialog("Remote Control - Shut Down");
    ASSERT_TRUE(confirmation != NULL);
    ASSERT_TRUE(RealClickOn(GetDlgItem(confirmation, IDCANCEL), 1));
    EXPECT_TRUE(WaitGone("Remote Control - Shut Down"));
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(kestrel, 0));
}

TEST_F(Dialogs, FirstStartCreatesTheSettings)
{
    ASSERT_FALSE(KeyExists(key));
    StartKestrel(KESTREL_TRAY_ICON);
    EXPECT_TRUE(WaitFor([] { return ReadDword(key, "AlwaysRemoteOff") == 0; }, 5000));
    EXPECT_EQ(9, ReadDword(key, "DefaultTVAPP"));
}

TEST_F(Dialogs, AlwaysRemoteOffOneEndsAtStartUp)
{
    ASSERT_TRUE(WriteDword(key, "AlwaysRemoteOff", 1));
    EXPECT_EQ(0, RunProgram("kestrel.exe", "", 10000)) << "ends by itself with code 0";
    EXPECT_TRUE(FindWindowA("Remote Control", NULL) == NULL);
    EXPECT_TRUE(WaitFor([] { return TrayIconWindow() == NULL; }, 3000)) << "no icon left";
    EXPECT_EQ(1, ReadDword(key, "AlwaysRemoteOff"));

    ASSERT_TRUE(WriteDword(key, "AlwaysRemoteOff", 2));
    StartKestrel(KESTREL_TRAY_ICON);
    PumpFor(500);
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(kestrel, 0)) << "2 runs as usual";
    EXPECT_TRUE(TrayIconWindow() != NULL);
}
