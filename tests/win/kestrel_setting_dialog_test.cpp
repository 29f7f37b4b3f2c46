// The Setting dialog opened as the tray's Setting item opens it and driven with keys and the
// mouse: its template, the list, what OK and Cancel leave in memory and in the registry.
#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include <vector>

#include "base/seams.h"
#include "dialog_probe.h"
#include "profiles/catalogue.h"
#include "profiles/profile.h"
#include "registry_support.h"
#include "settings/settings.h"
#include "ui/setting_dialog.h"
#include "win_support.h"

typedef std::vector<std::string> Texts;

static const char key[] = KESTREL_SETTINGS_KEY;
static const char caption[] = "Remote Control - Setting";

static INT_PTR OpenSetting()
{
    return DialogBoxParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(20), NULL, SettingDialogProc, 0);
}

static HWND List(HWND dialog)
{
    return GetDlgItem(dialog, 11);
}

// A key typed into the list, which has the focus once the user tabbed to it.
static void Type(HWND dialog, UINT vk)
{
    SetFocus(List(dialog));
    PostMessageA(List(dialog), WM_KEYDOWN, vk, 0);
}

static BOOL WINAPI Version61(OSVERSIONINFOA *version)
{
    version->dwMajorVersion = 6;
    version->dwMinorVersion = 1;
    version->dwPlatformId = VER_PLATFORM_WIN32_NT;
    return TRUE;
}

class SettingDialog : public ::testing::Test {
protected:
    Texts items;
    int selected = -2;
    void SetUp() override
    {
        for (int i = 0; i <= TV_APP_COUNT; ++i)
            tvApps[i].installed = 0;
        ForgetSettingChoice();
        DeleteKeyTree("SOFTWARE\\Corvel");
        ASSERT_TRUE(WriteDword(key, "DefaultTVAPP", 5));
        ASSERT_TRUE(WriteDword(key, "AlwaysRemoteOff", 0));
        defaultTvApp = 5;
    }
    void TearDown() override
    {
        DeleteKeyTree("SOFTWARE\\Corvel");
        DeleteKeyTree("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Media Center");
        windowsVersion = GetVersionExA;
        BuildProfiles();
        defaultTvApp = 9;
        ForgetSettingChoice();
    }
    void Install(std::initializer_list<int> indexes)
    {
        for (int index : indexes)
            tvApps[index].installed = 1;
    }
    // Opens the dialog, reads the list as it opened, then lets drive act; returns how it ended.
    INT_PTR Run(const std::function<void(HWND)> &drive)
    {
        bool seen = false;
        INT_PTR result = RunModal(OpenSetting, caption, [&](HWND dialog) {
            items = ComboItems(List(dialog), &selected);
            drive(dialog);
        }, &seen);
        EXPECT_TRUE(seen);
        return result;
    }
    static void ClickOk(HWND dialog)
    {
        ClickControl(GetDlgItem(dialog, IDOK));
    }
};

// Its template is checked in the program file (Resources); here what the dialog shows.
TEST_F(SettingDialog, AsItOpens)
{
    std::vector<DialogControl> controls;
    RECT window = {}, client = {}, size = {};
    std::string font;
    LONG fontHeight = 0, exStyle = 0;
    COLORREF iconCentre = 0;
    Run([&](HWND dialog) {
        controls = ReadControls(dialog);
        GetWindowRect(dialog, &window);
        GetClientRect(dialog, &client);
        size = DialogUnits(dialog, 0, 0, 200, 60);
        exStyle = GetWindowLongA(dialog, GWL_EXSTYLE);
        font = DialogFont(dialog, &fontHeight);
        iconCentre = IconCentre(GetWindow(GetWindow(GetWindow(dialog, GW_CHILD), GW_HWNDNEXT), GW_HWNDNEXT));
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ("Arial", font);
    EXPECT_EQ(-11, fontHeight);
    EXPECT_EQ(size.right, client.right);
    EXPECT_EQ(size.bottom, client.bottom);
    EXPECT_EQ(350, window.left) << "this screen is 1024 wide";
    EXPECT_EQ(300, window.top);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    ASSERT_EQ(4u, controls.size());
    EXPECT_EQ("OK", controls[0].text);
    EXPECT_EQ("Select the application you want to launch when pressing power key on remote controller",
              controls[1].text);
    EXPECT_LT(GetRValue(iconCentre), 128) << "the program icon";
    EXPECT_EQ("COMBOBOX", controls[3].className);
}

TEST_F(SettingDialog, InstalledApplicationsInDetectionOrderWithTheDefaultSelected)
{
    Install({ 5, 7 });
    EXPECT_EQ(IDCANCEL, Run([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); }));
    EXPECT_EQ((Texts{ "XpertTVR", "TotalMedia" }), items);
    EXPECT_EQ(1, selected);
    // An installed default in the first place wins over a position remembered from before.
    defaultTvApp = APP_XPERTTVR;
    Run([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(0, selected);
    defaultTvApp = APP_TOTALMEDIA;

    // Media Center's mark does not list it; only a detection at this moment does.
    Install({ 1, 2, 3, 4, 6, 8, 9 });
    defaultTvApp = 8;
    Run([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ((Texts{ "PowerCinema", "WinDVR", "My_ICTV", "XpertTVR", "DeverOroru", "TotalMedia", "RAR-A RURI",
                      "ZoruvUviro Zuvava" }),
              items);
    EXPECT_EQ(6, selected);

    windowsVersion = Version61;
    ASSERT_TRUE(WriteString("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Media Center", "Ident", "5.0"));
    tvApps[4].installed = 0;
    defaultTvApp = 4;
    Run([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    ASSERT_EQ(9u, items.size());
    EXPECT_EQ("Media Center Edition", items[3]);
    EXPECT_EQ(3, selected);
}

TEST_F(SettingDialog, OkWithoutAChangeWritesNothing)
{
    Install({ 5, 7 });
    // Someone else changed the value meanwhile: a write of the unchanged choice would show.
    ASSERT_TRUE(WriteDword(key, "DefaultTVAPP", 7));
    EXPECT_EQ(IDOK, Run(ClickOk));
    EXPECT_EQ(1, selected);
    EXPECT_EQ(5, defaultTvApp);
    EXPECT_EQ(7, ReadDword(key, "DefaultTVAPP"));
}

TEST_F(SettingDialog, OkWithAnotherChoiceMakesItTheDefaultAndStoresIt)
{
    Install({ 5, 7 });
    EXPECT_EQ(IDOK, Run([](HWND dialog) {
                  Type(dialog, VK_UP);
                  ClickOk(dialog);
              }));
    EXPECT_EQ(7, defaultTvApp);
    EXPECT_EQ(7, ReadDword(key, "DefaultTVAPP"));
    EXPECT_STREQ("XpertTVR", ChosenAppText());
    EXPECT_EQ(0, SettingListPosition());
}

TEST_F(SettingDialog, CancelAfterAChangeKeepsMemoryAndRegistry)
{
    Install({ 5, 7 });
    EXPECT_EQ(IDCANCEL, Run([](HWND dialog) {
                  Type(dialog, VK_UP);
                  Type(dialog, VK_ESCAPE);
              }));
    EXPECT_EQ(5, defaultTvApp);
    EXPECT_EQ(5, ReadDword(key, "DefaultTVAPP"));

    EXPECT_EQ(IDCANCEL, Run([](HWND dialog) {
                  Type(dialog, VK_UP);
                  POINT close = CloseBoxPoint(dialog);
                  ClickAt(close.x, close.y);
              }));
    EXPECT_EQ(1, selected) << "the default is preselected again";
    EXPECT_EQ(5, defaultTvApp);
    EXPECT_EQ(5, ReadDword(key, "DefaultTVAPP"));
}

TEST_F(SettingDialog, WithTheDefaultNotInstalledTheLastChoiceIsPreselected)
{
    Install({ 5, 7 });
    defaultTvApp = 9;
    ASSERT_TRUE(WriteDword(key, "DefaultTVAPP", 9));
    EXPECT_EQ(IDOK, Run(ClickOk));
    EXPECT_EQ(0, selected) << "first opening: the first entry";
    EXPECT_EQ(7, defaultTvApp) << "and OK takes it";
    EXPECT_EQ(7, ReadDword(key, "DefaultTVAPP"));

    Run([](HWND dialog) {
        Type(dialog, VK_DOWN);
        ClickOk(dialog);
    });
    EXPECT_EQ(5, ReadDword(key, "DefaultTVAPP"));
    // A tray launch item changed the default in memory only.
    defaultTvApp = 9;
    Run([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(1, selected) << "the position OK took last time";
}

TEST_F(SettingDialog, NoSelectionMeansNoChoice)
{
    // An older OK chose TotalMedia, third in a longer list; that position is remembered.
    Install({ 5, 6, 7 });
    EXPECT_EQ(IDOK, Run(ClickOk));
    ASSERT_STREQ("TotalMedia", ChosenAppText());
    ASSERT_EQ(2, SettingListPosition());
    tvApps[6].installed = 0;
    defaultTvApp = 9;
    ASSERT_TRUE(WriteDword(key, "DefaultTVAPP", 9));
    EXPECT_EQ(IDOK, Run(ClickOk));
    EXPECT_EQ(-1, selected);
    EXPECT_EQ(9, defaultTvApp);
    EXPECT_EQ(9, ReadDword(key, "DefaultTVAPP"));
    EXPECT_EQ(-1, SettingListPosition());

    // Nothing installed: an empty list, and OK changes nothing either.
    for (int i = 0; i <= TV_APP_COUNT; ++i)
        tvApps[i].installed = 0;
    EXPECT_EQ(IDOK, Run(ClickOk));
    EXPECT_EQ(Texts{}, items);
    EXPECT_EQ(9, defaultTvApp);
    EXPECT_EQ(9, ReadDword(key, "DefaultTVAPP"));
}

TEST_F(SettingDialog, DeletedValueMakesALaterOkWriteNothing)
{
    Install({ 5, 7 });
    DeleteRegValue(key, "DefaultTVAPP");
    Run([](HWND dialog) {
        Type(dialog, VK_UP);
        ClickOk(dialog);
    });
    EXPECT_EQ(7, defaultTvApp) << "the choice holds for this run";
    EXPECT_FALSE(ReadRegValue(key, "DefaultTVAPP").exists);
}

static LONG RefuseWriting(const char *path, REGSAM access, int create, HKEY *opened)
{
    if (create || (access & KEY_SET_VALUE))
        return ERROR_ACCESS_DENIED;
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, access, opened);
}

TEST_F(SettingDialog, OkThatCannotBeSavedSaysSoAndHoldsForTheRun)
{
    Install({ 5, 7 });
    LONG (*standard)(const char *, REGSAM, int, HKEY *) = openSettingsKey;
    openSettingsKey = RefuseWriting;
    StartAnsweringBoxes("Remote Control");
    EXPECT_EQ(IDOK, Run([](HWND dialog) {
                  Type(dialog, VK_UP);
                  ClickOk(dialog);
              }));
    StopAnsweringBoxes();
    openSettingsKey = standard;
    EXPECT_EQ(1, answeredBoxes);
    EXPECT_EQ("Can't save the default TV application for the next start.\n\nIt is used until the utility ends.",
              answeredBoxText);
    EXPECT_EQ(7, defaultTvApp);
    EXPECT_EQ(5, ReadDword(key, "DefaultTVAPP"));
}
