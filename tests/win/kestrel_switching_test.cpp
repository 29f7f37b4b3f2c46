// Switching to the default application, seen by the TV application stand-ins: the Power key
// with nothing driven, the tray's launch command, and the window test behind the check mark.
#include <gtest/gtest.h>
#include <deque>
#include <string>
#include <vector>

#include "base/app_timer.h"
#include "core/launch_watch.h"
#include "core/tray.h"
#include "dialog_probe.h"
#include "profiles/app_marks.h"
#include "profiles/catalogue.h"
#include "profiles/profile.h"
#include "registry_support.h"
#include "settings/settings.h"
#include "settings/switching.h"
#include "tvapp_support.h"
#include "win_support.h"

typedef std::vector<std::string> Lines;

static const char xpertKey[] = "Software\\Honestech\\TV Plus\\TVR";

// What XpertTVR had received when the "Remote Control" message box was up.
static std::string watchedRecord;
static bool closedBeforeBox;
static void NoteClosedBeforeBox(void)
{
    for (const std::string &line : ReadRecord(watchedRecord))
        closedBeforeBox = closedBeforeBox || line.find("3024") != std::string::npos;
}

static int Find(const Lines &lines, const std::string &prefix)
{
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].compare(0, prefix.size(), prefix) == 0)
            return (int)i;
    return -1;
}

static std::string TempPath(const std::string &name)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    return std::string(temp) + name;
}

class Switching : public ::testing::Test {
protected:
    std::deque<TvAppInstance> apps;
    std::vector<HWND> windows;
    HWND owner = NULL;
    void SetUp() override
    {
        DeleteKeyTree(xpertKey);
        DeleteKeyTree("SOFTWARE\\Corvel");
        BuildProfiles();
        for (int i = 0; i <= TV_APP_COUNT; ++i)
            launchWatch[i] = 0;
        closedBeforeBox = false;
        watchedRecord.clear();
        StartAnsweringBoxes("Remote Control", NoteClosedBeforeBox);
        owner = OpenTestWindow("SwitchingOwner", "owner");
        BindTimer(watchTimer, owner, WATCH_PERIOD_MS);
    }
    void TearDown() override
    {
        StopAnsweringBoxes();
        for (TvAppInstance &app : apps)
            EndTvApp(app);
        for (HWND window : windows)
            DestroyWindow(window);
        StopTimer(watchTimer);
        DestroyWindow(owner);
        DeleteKeyTree(xpertKey);
        DeleteKeyTree("SOFTWARE\\Corvel");
        BuildProfiles();
        defaultTvApp = 9;
    }
    TvAppInstance &Start(const std::string &arguments, const std::string &record)
    {
        apps.push_back(TvAppInstance());
        EXPECT_TRUE(StartTvApp(ModuleFolder() + "tvapp.exe", arguments + " --record \"" + record + "\"", &apps.back()));
        WithoutForeground(TakeRecord(apps.back()));
        return apps.back();
    }
    // XpertTVR installed where its registry value says; returns the record of what starts there.
    std::string InstallXpert()
    {
        std::string folder = TempPath("switching xpert");
        CreateDirectoryA(folder.c_str(), NULL);
        EXPECT_NE("", InstallTvApp(folder, "honestechTV.EXE"));
        std::string record = folder + "\\honestechTV.record.txt";
        DeleteFileA(record.c_str());
        EXPECT_TRUE(WriteString(xpertKey, "AppPath", folder));
        BuildProfile(APP_XPERTTVR);
        EXPECT_EQ(1, tvApps[APP_XPERTTVR].installed);
        return record;
    }
};

TEST_F(Switching, PowerWithTheDefaultNotInstalledSaysSoThenClosesTheOthers)
{
    std::string xpertRecord = TempPath("switching-notinstalled.txt");
    DeleteFileA(xpertRecord.c_str());
    TvAppInstance &xpert = Start("--as 7", xpertRecord);
    TvAppInstance &total = Start("--as 5 --all-keys", TempPath("switching-notinstalled-total.txt"));
    watchedRecord = xpertRecord;
    defaultTvApp = 9;
    EXPECT_EQ(1, PowerDefaultApp()) << "the Power key's launch watcher runs all the same";
    EXPECT_EQ(1, answeredBoxes);
    EXPECT_EQ("Please re-initialize the TV application settings.", answeredBoxText);
    EXPECT_FALSE(closedBeforeBox) << "the others are closed after the message";
    EXPECT_EQ((Lines{ "post main 3024 1 0", "close command main", "end" }), WithoutForeground(TakeRecord(xpert)));
    Lines totalRecord = WithoutForeground(TakeRecord(total));
    EXPECT_NE(-1, Find(totalRecord, "close alt-f4"));
}

TEST_F(Switching, PowerClosesTotalMediaThenLaunchesTheDefault)
{
    std::string record = InstallXpert();
    // TotalMedia records where the launched XpertTVR will: one file, in the order of events.
    TvAppInstance &total = Start("--as 5 --all-keys", record);
    defaultTvApp = APP_XPERTTVR;
    EXPECT_EQ(1, PowerDefaultApp());
    // Read before any message is pumped: the launch watcher may drop the mark of a window
    // that has not appeared yet.
    EXPECT_EQ(1, tvApps[APP_XPERTTVR].active);
    EXPECT_EQ(1, launchWatch[APP_XPERTTVR]);
    EXPECT_EQ(0, answeredBoxes);
    apps.push_back(TvAppInstance());
    ASSERT_TRUE(AttachTvApp("XPERT_TVR", NULL, record, 10000, &apps.back())) << "XpertTVR started";
    ASSERT_TRUE(WaitFor([&] { return Find(ReadRecord(record), "end") != -1; }, 5000)) << "TotalMedia ended";
    Lines lines = ReadRecord(record);
    int altF4 = Find(lines, "close alt-f4");
    int launched = -1;
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find("remote") != std::string::npos && lines[i].compare(0, 6, "start ") == 0)
            launched = (int)i;
    EXPECT_NE(-1, Find(lines, "key 18 down ext=1 injected=1 scan=0 extra=0"));
    EXPECT_NE(-1, altF4);
    EXPECT_GT(launched, altF4) << "TotalMedia is closed before XpertTVR starts";
    (void)total;
}

TEST_F(Switching, PowerWithADefaultOutsideTheIndexesDoesNothing)
{
    TvAppInstance &xpert = Start("--as 7", TempPath("switching-outside.txt"));
    for (int value : { 0, 10, 12, -1 }) {
        defaultTvApp = value;
        EXPECT_EQ(0, PowerDefaultApp()) << value;
    }
    PumpFor(100);
    EXPECT_EQ(0, answeredBoxes);
    EXPECT_EQ(Lines{}, WithoutForeground(TakeRecord(xpert)));
    EXPECT_FALSE(watchTimer.running);
}

TEST_F(Switching, TrayCommandClosesTheOthersAndBringsTheChosenUp)
{
    std::string installedRecord = InstallXpert();
    ASSERT_TRUE(WriteDword(KESTREL_SETTINGS_KEY, "DefaultTVAPP", 3));
    defaultTvApp = 3;
    TvAppInstance &xpert = Start("--as 7", TempPath("switching-tray-xpert.txt"));
    TvAppInstance &ruri = Start("--as 8", TempPath("switching-tray-ruri.txt"));
    // In front at the time: a window of this test, so that nothing that closes hands the front on.
    HWND bystander = OpenTestWindow("SwitchingBystander", "bystander", DefWindowProcA, WS_OVERLAPPED | WS_VISIBLE);
    windows.push_back(bystander);
    SetForegroundWindow(bystander);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == bystander; }, 3000));
    // The stand-ins handle their deactivation before a mark posted after it.
    TakeRecord(xpert);
    TakeRecord(ruri);
    SwitchToApp(APP_XPERTTVR);
    EXPECT_EQ(7, defaultTvApp);
    EXPECT_EQ(3, ReadDword(KESTREL_SETTINGS_KEY, "DefaultTVAPP")) << "in memory only";
    EXPECT_EQ((Lines{ "post main 3024 1 0", "close command main", "end" }), WithoutForeground(TakeRecord(ruri)));
    // Wine brings another process's window forward a little later: its activation, or the front.
    Lines xpertRecord = TakeRecord(xpert);
    bool activated = xpertRecord == Lines{ "activate main" } ||
                     WaitFor([&] { return GetForegroundWindow() == xpert.mainWindow; }, 3000);
    EXPECT_TRUE(activated) << "brought to the front";
    EXPECT_EQ(Lines{}, WithoutForeground(xpertRecord)) << "and not closed";
    PumpFor(300);
    EXPECT_TRUE(ReadRecord(installedRecord).empty()) << "nothing launched";
    EXPECT_FALSE(watchTimer.running);
}

TEST_F(Switching, WindowTestOfEachApplication)
{
    const struct {
        int index;
        const char *windowClass, *title;
    } rows[] = { { 1, "SwitchingA", "PowerCinema" }, { 2, "SwitchingB", "InterVideo WinDVR" },
                 { 3, "SwitchingC", "My IC-TV Media Center" }, { 4, "eHome Render Window", "Windows Media Center" },
                 { 5, "SwitchingD", "Arcsoft TotalMedia" }, { 6, "VUzevaMainPanel_Class", "TVR" },
                 { 7, "XPERT_TVR", "anything" }, { 8, "VUZEVA_DVBT", "anything" },
                 { 9, "VUzevaMainPanel_Class", "ZoruvUviro Zuvava" } };
    for (const auto &row : rows) {
        HWND window = OpenTestWindow(row.windowClass, row.title);
        for (int index = 1; index <= TV_APP_COUNT; ++index)
            EXPECT_EQ(index == row.index ? 1 : 0, IsAppWindowPresent(index)) << row.title << ", index " << index;
        DestroyWindow(window);
    }
    // WinDVR's own lookup takes its title letter for letter.
    windows.push_back(OpenTestWindow("SwitchingB", "intervideo windvr"));
    EXPECT_EQ(0, IsAppWindowPresent(APP_WINDVR));
}

TEST_F(Switching, RunningWinDvrCarriesTheTrayCheckMark)
{
    Start("--as 2", TempPath("switching-windvr.txt"));
    tvApps[APP_WINDVR].installed = 1;
    defaultTvApp = APP_WINDVR;
    HMENU menu = BuildTrayMenu();
    ASSERT_TRUE(menu != NULL);
    char text[64] = "";
    GetMenuStringA(menu, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("WinDVR", text);
    EXPECT_EQ(1102u, GetMenuItemID(menu, 0));
    EXPECT_TRUE(GetMenuState(menu, 0, MF_BYPOSITION) & MF_CHECKED);
    DestroyMenu(menu);
}

TEST_F(Switching, MarkAccessorsTouchOnlyTheNineProfiles)
{
    tvApps[0].active = 1;
    tvApps[0].installed = 1;
    tvApps[APP_RARARURI].active = 1;
    tvApps[APP_RARARURI].installed = 1;
    launchWatch[APP_RARARURI] = 1;
    EndLaunchWatch(0);
    EndLaunchWatch(TV_APP_COUNT + 1);
    EXPECT_EQ(1, tvApps[0].active) << "slot 0 is no application";
    EXPECT_EQ(0, AppInstalledMark(0));
    EndLaunchWatch(APP_RARARURI);
    EXPECT_EQ(0, tvApps[APP_RARARURI].active);
    EXPECT_EQ(0, launchWatch[APP_RARARURI]);
    EXPECT_EQ(1, AppInstalledMark(APP_RARARURI));
    tvApps[0].active = 0;
    tvApps[0].installed = 0;
}
