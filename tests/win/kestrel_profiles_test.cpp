// Install paths, window lookups, launching through the real shell, closing, the Power key and
// the installation tests, against registry values, windows and the TV application stand-in.
#include <gtest/gtest.h>
#include <deque>
#include <string.h>
#include <string>
#include <vector>

#include "base/app_timer.h"
#include "base/seams.h"
#include "core/launch_watch.h"
#include "core/receiver.h"
#include "profiles/app_windows.h"
#include "profiles/catalogue.h"
#include "profiles/media_center.h"
#include "profiles/profile.h"
#include "profiles/profile_ops.h"
#include "profiles/zoruvuviro_probe.h"
#include "registry_support.h"
#include "settings/settings.h"
#include "tvapp_support.h"
#include "win_support.h"

static std::vector<DWORD> sleeps;
static VOID WINAPI RecordSleep(DWORD milliseconds)
{
    sleeps.push_back(milliseconds);
}

static const char totalMediaKey[] = "SOFTWARE\\ArcSoft\\TotalMedia";

class Profiles : public ::testing::Test {
protected:
    // A deque: the instances handed out by reference stay where they are.
    std::deque<TvAppInstance> apps;
    std::vector<HWND> windows;
    void SetUp() override
    {
        sleeps.clear();
        sleepThread = RecordSleep;
        StartAnsweringBoxes("Remote Control");
        DeleteKeyTree("SOFTWARE\\ArcSoft");
        BuildProfiles();
        for (int i = 0; i <= TV_APP_COUNT; ++i)
            launchWatch[i] = 0;
        defaultTvApp = 9;
        xpMediaCenter = 0;
    }
    void TearDown() override
    {
        StopAnsweringBoxes();
        for (TvAppInstance &app : apps)
            EndTvApp(app);
        for (HWND window : windows)
            DestroyWindow(window);
        StopTimer(watchTimer);
        sleepThread = Sleep;
        windowsVersion = GetVersionExA;
    }
    TvAppInstance &Start(const std::string &arguments, const std::string &name)
    {
        apps.push_back(TvAppInstance());
        std::string record = TestTempFolder("profiles") + "\\" + name + ".txt";
        DeleteFileA(record.c_str());
        EXPECT_TRUE(StartTvApp(ModuleFolder() + "tvapp.exe", arguments + " --record \"" + record + "\"", &apps.back()));
        WithoutForeground(TakeRecord(apps.back()));
        return apps.back();
    }
    // Installs the stand-in as TotalMedia in a folder with a blank, and names the folder in the registry.
    std::string InstallTotalMedia(const std::string &valueSuffix)
    {
        std::string folder = TestTempFolder("tv apps") + "\\TotalMedia";
        EXPECT_NE("", InstallTvApp(folder, "TotalMedia.exe"));
        DeleteFileA((folder + "\\TotalMedia.record.txt").c_str());
        EXPECT_TRUE(WriteString(totalMediaKey, "AppPath", folder + valueSuffix));
        BuildProfile(APP_TOTALMEDIA);
        return folder;
    }
};

TEST_F(Profiles, InstallPathFitsInOneHundredTwentySevenCharacters)
{
    std::string exact(127, 'x');
    ASSERT_TRUE(WriteString(totalMediaKey, "AppPath", exact));
    BuildProfile(APP_TOTALMEDIA);
    EXPECT_EQ(1, tvApps[APP_TOTALMEDIA].installed);
    EXPECT_EQ(exact, tvApps[APP_TOTALMEDIA].installDir);
    EXPECT_STREQ("TotalMedia.exe", tvApps[APP_TOTALMEDIA].exeName);

    ASSERT_TRUE(WriteString(totalMediaKey, "AppPath", std::string(128, 'y')));
    BuildProfile(APP_TOTALMEDIA);
    EXPECT_EQ(0, tvApps[APP_TOTALMEDIA].installed);
    EXPECT_STREQ("", tvApps[APP_TOTALMEDIA].exeName);

    // 128 bytes stored without a terminator are just as long.
    ASSERT_TRUE(WriteRegValue(totalMediaKey, "AppPath", REG_SZ, std::string(128, 'z')));
    BuildProfile(APP_TOTALMEDIA);
    EXPECT_EQ(0, tvApps[APP_TOTALMEDIA].installed);

    DeleteKeyTree("SOFTWARE\\ArcSoft");
    BuildProfile(APP_TOTALMEDIA);
    EXPECT_EQ(0, tvApps[APP_TOTALMEDIA].installed);
}

// Only a string names a folder; any other type or an oversized value reads as no value.
TEST_F(Profiles, InstallPathOfAnotherTypeOrSizeIsNoInstallation)
{
    const struct {
        DWORD type;
        std::string bytes;
        int installed;
    } cases[] = {
        { REG_SZ, std::string("C:\\tm\0", 6), 1 },
        { REG_EXPAND_SZ, std::string("C:\\tm\0", 6), 1 },
        { REG_BINARY, std::string("C:\\tm\0", 6), 0 },
        { REG_MULTI_SZ, std::string("C:\\tm\0\0", 7), 0 },
        { REG_DWORD, std::string("\x43\x3A\x5C\0", 4), 0 },
        { REG_QWORD, std::string(8, '\0'), 0 },
        { REG_NONE, "", 0 },
        { REG_SZ, std::string(4000, 'p'), 0 },
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(WriteRegValue(totalMediaKey, "AppPath", c.type, c.bytes));
        BuildProfile(APP_TOTALMEDIA);
        EXPECT_EQ(c.installed, tvApps[APP_TOTALMEDIA].installed) << "type " << c.type << ", " << c.bytes.size();
        EXPECT_STREQ(c.installed ? "C:\\tm" : "", tvApps[APP_TOTALMEDIA].installDir) << "type " << c.type;
        EXPECT_STREQ(c.installed ? "TotalMedia.exe" : "", tvApps[APP_TOTALMEDIA].exeName) << "type " << c.type;
    }
}

// Where each application leaves its folder, and the program then started from it.
TEST_F(Profiles, EachApplicationIsFoundUnderItsOwnKeyAndValue)
{
    auto removeVendors = [] {
        for (const char *vendor : { "SOFTWARE\\CyberLink", "Software\\InterVideo", "Software\\Honestech",
                                    "Software\\VUzeva Multimedia", "SOFTWARE\\ArcSoft" })
            DeleteKeyTree(vendor);
    };
    removeVendors();
    ASSERT_TRUE(WriteString("SOFTWARE\\CyberLink\\PowerCinema", "InstallPath", "C:\\pc"));
    ASSERT_TRUE(WriteString("Software\\InterVideo\\WinDVR", "PATH", "C:\\dvr"));
    ASSERT_TRUE(WriteString("Software\\Honestech\\HT IC-TV", "AppPath", "C:\\ictv"));
    ASSERT_TRUE(WriteString("SOFTWARE\\ArcSoft\\TotalMedia", "AppPath", "C:\\tm"));
    ASSERT_TRUE(WriteString("Software\\Honestech\\TV Plus\\DTVR", "AppPath", "C:\\deverororu"));
    ASSERT_TRUE(WriteString("Software\\Honestech\\TV Plus\\TVR", "AppPath", "C:\\xpert"));
    ASSERT_TRUE(WriteString("SOFTWARE\\Honestech\\DVB Plus\\DTVR", "AppPath", "C:\\rarararuri"));
    ASSERT_TRUE(WriteString("Software\\VUzeva Multimedia\\TV Center\\DTVR", "AppPath", "C:\\zoruv"));
    BuildProfiles();
    struct Expected {
        const char *folder;
        const char *exe;
    };
    // Media Center reads PowerCinema's value; its detection decides later whether it counts.
    static const Expected expected[TV_APP_COUNT + 1] = {
        { "", "" }, { "C:\\pc", "PowerCinema.exe" }, { "C:\\dvr", "WINDVR.EXE" }, { "C:\\ictv", "HT IC-TV.exe" },
        { "C:\\pc", "EHSHELL.exe" }, { "C:\\tm", "TotalMedia.exe" }, { "C:\\deverororu", "MainPanel.exe" },
        { "C:\\xpert", "honestechTV.EXE" }, { "C:\\rarararuri", "DTVR.EXE" }, { "C:\\zoruv", "MainCenter.exe" },
    };
    for (int i = 1; i <= TV_APP_COUNT; ++i) {
        EXPECT_EQ(1, tvApps[i].installed) << i;
        EXPECT_STREQ(expected[i].folder, tvApps[i].installDir) << i;
        EXPECT_STREQ(expected[i].exe, tvApps[i].exeName) << i;
    }
    removeVendors();
    BuildProfiles();
    for (int i = 1; i <= TV_APP_COUNT; ++i)
        EXPECT_EQ(0, tvApps[i].installed) << i;
    // No application, no window to look for, whatever the desktop holds.
    EXPECT_EQ(NULL, FindWindowByClassPrefix(0));
}

TEST_F(Profiles, LaunchStartsTheFolderValueAsItStandsWithRemote)
{
    std::string folder = InstallTotalMedia("\\");
    tvApps[APP_TOTALMEDIA].active = 0;
    Launch(APP_TOTALMEDIA, defaultTvApp);
    apps.push_back(TvAppInstance());
    ASSERT_TRUE(AttachTvApp(NULL, "Arcsoft TotalMedia", folder + "\\TotalMedia.record.txt", 10000, &apps.back()));
    std::vector<std::string> record = ReadRecord(folder + "\\TotalMedia.record.txt");
    ASSERT_FALSE(record.empty());
    // The value's own backslash and the separator: two before the program's name.
    EXPECT_NE(std::string::npos, record[0].find("TotalMedia\\\\TotalMedia.exe")) << record[0];
    EXPECT_EQ(" remote", record[0].substr(record[0].size() - 7)) << record[0];
    EXPECT_EQ(1, tvApps[APP_TOTALMEDIA].active);
    EXPECT_EQ(0, answeredBoxes);
}

TEST_F(Profiles, FailedLaunchSaysSoAndLeavesTheMark)
{
    ASSERT_TRUE(WriteString(totalMediaKey, "AppPath", TestTempFolder("nothing here")));
    BuildProfile(APP_TOTALMEDIA);
    ASSERT_EQ(1, tvApps[APP_TOTALMEDIA].installed);
    EXPECT_EQ(NULL, Launch(APP_TOTALMEDIA, defaultTvApp));
    EXPECT_EQ(1, answeredBoxes);
    EXPECT_EQ("Can't launch TV application what you want.", answeredBoxText);
    EXPECT_EQ(0, tvApps[APP_TOTALMEDIA].active);
}

TEST_F(Profiles, RunningInstanceIsReturnedAndNothingStarts)
{
    // XpertTVR is not installed, yet its class answers the running-instance check.
    HWND xpert = OpenTestWindow("XPERT_TVR", "XpertTVR");
    windows.push_back(xpert);
    ASSERT_EQ(0, tvApps[APP_XPERTTVR].installed);
    EXPECT_EQ(xpert, Launch(APP_XPERTTVR, defaultTvApp));
    EXPECT_EQ(0, answeredBoxes);
    EXPECT_EQ(0, tvApps[APP_XPERTTVR].active);
}

TEST_F(Profiles, ZoruvUviroClassPrefixFindsDeverOroru)
{
    TvAppInstance &dever = Start("--as 6", "dever");
    EXPECT_EQ(dever.mainWindow, FindWindowByClassPrefix(APP_ZORUVUVIRO));
    // Installed ZoruvUviro Zuvava: its activate-or-launch brings DeverOroru forward instead.
    tvApps[APP_ZORUVUVIRO].installed = 1;
    HWND bystander = OpenTestWindow("ProfilesBystander", "bystander", DefWindowProcA, WS_OVERLAPPED | WS_VISIBLE);
    windows.push_back(bystander);
    SetForegroundWindow(bystander);
    TakeRecord(dever);
    EXPECT_EQ(dever.mainWindow, ActivateOrLaunch(APP_ZORUVUVIRO, defaultTvApp));
    std::vector<std::string> record = TakeRecord(dever);
    bool activated = record == std::vector<std::string>{ "activate main" } ||
                     WaitFor([&] { return GetForegroundWindow() == dever.mainWindow; }, 2000);
    EXPECT_TRUE(activated);
    EXPECT_EQ(std::vector<std::string>{}, WithoutForeground(record)) << "nothing else arrived";
    EXPECT_EQ(0, answeredBoxes);
    // Profiles with no launch class never match by prefix.
    EXPECT_EQ(NULL, FindWindowByClassPrefix(APP_TOTALMEDIA));
}

// A window closing during the walk: its class can no longer be read.
static HWND closingWindow = NULL;
static int (WINAPI *realGetClassName)(HWND, LPSTR, int) = NULL;
static int WINAPI ClassOfClosingWindow(HWND window, LPSTR name, int size)
{
    return window == closingWindow ? 0 : realGetClassName(window, name, size);
}

TEST_F(Profiles, ClassPrefixWalkSkipsAWindowWhoseClassCannotBeRead)
{
    HWND further = OpenTestWindow("PrefixFurther", "further");
    closingWindow = OpenTestWindow("PrefixClosing", "closing");   // newer, so walked first
    windows.push_back(further);
    windows.push_back(closingWindow);
    realGetClassName = (int(WINAPI *)(HWND, LPSTR, int))RedirectImport("user32.dll", "GetClassNameA",
                                                                        (void *)ClassOfClosingWindow);
    ASSERT_TRUE(realGetClassName != NULL);
    TvAppProfile saved = tvApps[APP_TOTALMEDIA];
    struct { const char *launchClass; const char *windowName; HWND found; } cases[] = {
        { "", "TotalMedia", NULL },          // an empty launch class matches no window
        { "PrefixFu", "PrefixFu", further }, // the walk goes on past the closing window
    };
    for (const auto &c : cases) {
        strcpy(tvApps[APP_TOTALMEDIA].launchClass, c.launchClass);
        strcpy(tvApps[APP_TOTALMEDIA].windowName, c.windowName);
        EXPECT_EQ(c.found, FindWindowByClassPrefix(APP_TOTALMEDIA)) << c.launchClass;
    }
    RedirectImport("user32.dll", "GetClassNameA", (void *)realGetClassName);
    tvApps[APP_TOTALMEDIA] = saved;
}

TEST_F(Profiles, CloseActionsOfEachApplication)
{
    const struct { int index; const char *pose; const char *expected; } cases[] = {
        { APP_MYICTV, "--as 3", "post main 5401 5400 1" },
        { APP_DEVERORORU, "--as 6", "post main 4024 1 0" },
        { APP_XPERTTVR, "--as 7", "post main 3024 1 0" },
        { APP_RARARURI, "--as 8", "post main 3024 1 0" },
        { APP_ZORUVUVIRO, "--as 9", "post main 4024 25 0" },
        // WinDVR is closed by its 'X' key-down, found by its own title lookup.
        { APP_WINDVR, "--as 2", "post main 256 88 2949121" },
    };
    int n = 0;
    for (const auto &c : cases) {
        TvAppInstance &app = Start(c.pose, "close" + std::to_string(n++));
        tvApps[c.index].active = 1;
        CloseApp(c.index);
        std::vector<std::string> record = WithoutForeground(TakeRecord(app));
        ASSERT_FALSE(record.empty()) << c.pose;
        EXPECT_EQ(c.expected, record[0]) << c.pose;
        EXPECT_EQ(0, tvApps[c.index].active) << c.pose;
        EndTvApp(app);
    }
}

TEST_F(Profiles, PowerClosesARunningApplicationWithAltF4)
{
    TvAppInstance &app = Start("--as 5 --all-keys", "altf4");
    tvApps[APP_TOTALMEDIA].active = 1;
    EXPECT_EQ(0, TogglePower(APP_TOTALMEDIA, defaultTvApp)) << "closing asks for no watcher";
    std::vector<std::string> record = WithoutForeground(TakeRecord(app));
    std::vector<std::string> keys;
    for (const std::string &line : record) {
        if (line.compare(0, 4, "key ") == 0 || line.compare(0, 6, "close ") == 0)
            keys.push_back(line);
        if (line == "close alt-f4")
            break;
    }
    EXPECT_EQ((std::vector<std::string>{ "key 18 down ext=1 injected=1 scan=0 extra=0",
                                         "key 115 down ext=1 injected=1 scan=0 extra=0", "close alt-f4" }),
              keys);
    EXPECT_EQ(0, tvApps[APP_TOTALMEDIA].active);
}

TEST_F(Profiles, CloseOfAnApplicationNotRunningKeepsItsMark)
{
    tvApps[APP_RARARURI].active = 1;
    CloseApp(APP_RARARURI);
    EXPECT_EQ(1, tvApps[APP_RARARURI].active);
}

TEST_F(Profiles, PowerForAnApplicationNeitherInstalledNorRunningStillWatches)
{
    HWND owner = OpenTestWindow("ProfilesOwner", "owner");
    windows.push_back(owner);
    BindTimer(watchTimer, owner, WATCH_PERIOD_MS);
    EXPECT_EQ(1, TogglePower(APP_RARARURI, defaultTvApp)) << "the launch path asks for the watcher";
    StartTimer(watchTimer);
    EXPECT_EQ(0, launchWatch[APP_RARARURI]);
    EXPECT_EQ(0, answeredBoxes);
    // The watcher's tick finds no flag, gives a starting application two seconds, then stops.
    ASSERT_TRUE(WaitFor([] { return !sleeps.empty(); }, 2000));
    EXPECT_EQ(std::vector<DWORD>{ 2000 }, sleeps);
    PumpFor(300);
    EXPECT_EQ(1u, sleeps.size()) << "the watcher stopped after its one wait";
}

TEST_F(Profiles, PowerLaunchesThroughTheShellAndFlagsTheLaunch)
{
    HWND owner = OpenTestWindow("ProfilesOwner", "owner");
    windows.push_back(owner);
    BindTimer(watchTimer, owner, WATCH_PERIOD_MS);
    std::string folder = InstallTotalMedia("");
    EXPECT_EQ(1, TogglePower(APP_TOTALMEDIA, defaultTvApp));
    // Before the watcher's first tick: launched, driven and watched.
    EXPECT_EQ(1, tvApps[APP_TOTALMEDIA].active);
    EXPECT_EQ(1, launchWatch[APP_TOTALMEDIA]);
    apps.push_back(TvAppInstance());
    ASSERT_TRUE(AttachTvApp(NULL, "Arcsoft TotalMedia", folder + "\\TotalMedia.record.txt", 10000, &apps.back()));
}

TEST_F(Profiles, LaunchWatcherKeepsTheMarkWhileTheWindowIsThere)
{
    TvAppInstance &app = Start("--as 5", "watched");
    HWND owner = OpenTestWindow("ProfilesOwner", "owner");
    windows.push_back(owner);
    BindTimer(watchTimer, owner, WATCH_PERIOD_MS);
    tvApps[APP_TOTALMEDIA].active = 1;
    launchWatch[APP_TOTALMEDIA] = 1;
    StartTimer(watchTimer);
    PumpFor(350);
    EXPECT_EQ(1, tvApps[APP_TOTALMEDIA].active) << "kept while the window is there";
    EXPECT_EQ(1, launchWatch[APP_TOTALMEDIA]);
    EndTvApp(app);
    ASSERT_TRUE(WaitFor([] { return tvApps[APP_TOTALMEDIA].active == 0; }, 3000));
    EXPECT_EQ(0, launchWatch[APP_TOTALMEDIA]);
    EXPECT_TRUE(sleeps.empty()) << "a flagged launch is watched without the two-second wait";
}

// The Windows version the Media Center detection sees.
static DWORD fakeMajor, fakeMinor, fakePlatform;
static BOOL WINAPI FakeVersion(OSVERSIONINFOA *version)
{
    version->dwMajorVersion = fakeMajor;
    version->dwMinorVersion = fakeMinor;
    version->dwPlatformId = fakePlatform;
    return TRUE;
}

class MediaCenter : public Profiles {
protected:
    std::string shell;
    void SetUp() override
    {
        Profiles::SetUp();
        windowsVersion = FakeVersion;
        fakePlatform = VER_PLATFORM_WIN32_NT;
        DeleteKeyTree("System\\WPA\\MediaCenter");
        DeleteKeyTree("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Media Center");
        char windows[MAX_PATH];
        GetWindowsDirectoryA(windows, sizeof windows);
        shell = std::string(windows) + "\\ehome\\ehshell.exe";
        DeleteFileA(shell.c_str());
        DeleteKeyTree("SOFTWARE\\CyberLink");
        BuildProfile(APP_MEDIACENTER);
    }
    void TearDown() override
    {
        DeleteFileA(shell.c_str());
        Profiles::TearDown();
    }
};

TEST_F(MediaCenter, XpNeedsTheMarkOneAndTheShellFile)
{
    fakeMajor = 5;
    fakeMinor = 1;
    ASSERT_TRUE(WriteDword("System\\WPA\\MediaCenter", "Installed", 1));
    EXPECT_EQ(0, DetectMediaCenter()) << "no shell file";
    ASSERT_NE("", InstallTvApp(shell.substr(0, shell.size() - 12), "ehshell.exe"));
    ASSERT_TRUE(WriteDword("System\\WPA\\MediaCenter", "Installed", 2));
    EXPECT_EQ(0, DetectMediaCenter()) << "Installed = 2";
    EXPECT_EQ(0, tvApps[APP_MEDIACENTER].installed);
    fakeMinor = 2;
    ASSERT_TRUE(WriteDword("System\\WPA\\MediaCenter", "Installed", 1));
    EXPECT_EQ(0, DetectMediaCenter()) << "5.2 had none";
    fakeMinor = 1;
    EXPECT_EQ(1, DetectMediaCenter());
    EXPECT_EQ(1, tvApps[APP_MEDIACENTER].installed);
    // The XP edition is known by its class alone.
    HWND window = OpenTestWindow("eHome Render Window", "Media Center XP");
    windows.push_back(window);
    EXPECT_EQ(window, FindDetectionWindow(APP_MEDIACENTER));
}

// The XP mark is a REG_DWORD of four bytes holding 1; other shapes of a 1 are no mark.
TEST_F(MediaCenter, XpMarkOfAnotherTypeOrSizeIsNoMark)
{
    fakeMajor = 5;
    fakeMinor = 1;
    ASSERT_NE("", InstallTvApp(shell.substr(0, shell.size() - 12), "ehshell.exe"));
    const struct {
        DWORD type;
        std::string bytes;
        int detected;
    } cases[] = {
        { REG_BINARY, std::string("\x01\0\0\0", 4), 0 },
        { REG_BINARY, std::string("\x01", 1), 0 },
        { REG_DWORD, std::string("\x01", 1), 0 },
        { REG_SZ, std::string("\x01\0", 2), 0 },
        { REG_QWORD, std::string("\x01\0\0\0\0\0\0\0", 8), 0 },
        { REG_BINARY, std::string(5000, '\x01'), 0 },
        { REG_DWORD, std::string("\x01\0\0\0", 4), 1 },
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(WriteRegValue("System\\WPA\\MediaCenter", "Installed", c.type, c.bytes));
        EXPECT_EQ(c.detected, DetectMediaCenter()) << "type " << c.type << ", " << c.bytes.size() << " bytes";
        EXPECT_EQ(c.detected, tvApps[APP_MEDIACENTER].installed) << "type " << c.type;
    }
}

TEST_F(MediaCenter, LaterWindowsNeedsIdentAndTheTitle)
{
    fakeMajor = 6;
    fakeMinor = 1;
    EXPECT_EQ(0, DetectMediaCenter());
    ASSERT_TRUE(WriteString("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Media Center", "Ident", "5.0"));
    EXPECT_EQ(1, DetectMediaCenter());
    EXPECT_EQ(1, tvApps[APP_MEDIACENTER].installed);
    HWND window = OpenTestWindow("eHome Render Window", "Media Center XP");
    windows.push_back(window);
    EXPECT_EQ(NULL, FindDetectionWindow(APP_MEDIACENTER)) << "needs the title Windows Media Center";
    fakeMajor = 5;
    fakeMinor = 0;
    EXPECT_EQ(0, DetectMediaCenter());
    fakePlatform = VER_PLATFORM_WIN32_WINDOWS;
    fakeMajor = 6;
    EXPECT_EQ(0, DetectMediaCenter());
    EXPECT_EQ(1, tvApps[APP_MEDIACENTER].installed) << "a failed detection clears nothing";
}

TEST_F(MediaCenter, DefaultMediaCenterLaunchesItsShellForAnyProfile)
{
    fakeMajor = 6;
    fakeMinor = 0;
    ASSERT_TRUE(WriteString("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Media Center", "Ident", "5.0"));
    std::string folder = shell.substr(0, shell.size() - 12);
    ASSERT_NE("", InstallTvApp(folder, "ehshell.exe"));
    DeleteFileA((folder + "\\ehshell.record.txt").c_str());
    InstallTotalMedia("");
    Launch(APP_TOTALMEDIA, APP_MEDIACENTER);
    apps.push_back(TvAppInstance());
    ASSERT_TRUE(AttachTvApp("eHome Render Window", NULL, folder + "\\ehshell.record.txt", 10000, &apps.back()));
    std::vector<std::string> record = ReadRecord(folder + "\\ehshell.record.txt");
    ASSERT_FALSE(record.empty());
    EXPECT_NE(std::string::npos, record[0].find("ehome\\ehshell.exe")) << record[0];
    EXPECT_EQ(NULL, FindWindowA(NULL, "Arcsoft TotalMedia"));
}

class SkinProbe : public Profiles {
protected:
    const char *uninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
    std::string Entry(const char *name, const char *displayName, bool withSkin)
    {
        std::string location = TestTempFolder(std::string("probe ") + name);
        std::string toolbar = location;
        for (const char *part : { "\\DTVR", "\\UI", "\\Default", "\\Toolbar" }) {
            toolbar += part;
            CreateDirectoryA(toolbar.c_str(), NULL);
        }
        std::string png = toolbar + "\\Playback_BG_MIDDLE.png";
        if (withSkin)
            CloseHandle(CreateFileA(png.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
        else
            DeleteFileA(png.c_str());
        std::string key = std::string(uninstall) + "\\" + name;
        EXPECT_TRUE(WriteString(key.c_str(), "DisplayName", displayName));
        EXPECT_TRUE(WriteString(key.c_str(), "InstallLocation", location));
        return key;
    }
    void TearDown() override
    {
        for (const char *name : { "AAA probe", "ZZZ probe" })
            DeleteKeyTree((std::string(uninstall) + "\\" + name).c_str());
        zoruvSkinFlag = 0;
        Profiles::TearDown();
    }
};

TEST_F(SkinProbe, TheLastMatchingEntryDecides)
{
    Entry("AAA probe", "DeverOroruCenter", true);
    Entry("ZZZ probe", "DeverOroruCenter", false);
    ProbeZoruvUviro();
    EXPECT_EQ(0, zoruvSkinFlag);
    Entry("AAA probe", "DeverOroruCenter", false);
    Entry("ZZZ probe", "deverORORUcenter", true);
    ProbeZoruvUviro();
    EXPECT_EQ(1, zoruvSkinFlag) << "letter case does not matter";
    Entry("ZZZ probe", "ZoruvUviro Zuvava", true);
    ProbeZoruvUviro();
    EXPECT_EQ(0, zoruvSkinFlag) << "another display name";
    Entry("ZZZ probe", "DeverOroruCenter", true);
    ProbeZoruvUviro();
    ASSERT_EQ(1, zoruvSkinFlag);
    Entry("AAA probe", "Another Center", true);
    Entry("ZZZ probe", "Another Center", true);
    ProbeZoruvUviro();
    EXPECT_EQ(0, zoruvSkinFlag) << "no entry at all: an earlier probe's flag does not stay";
}

// A display name or folder stored as raw bytes or a number is no uninstall entry's text.
TEST_F(SkinProbe, ValuesOfAnotherTypeAreNoNameAndNoFolder)
{
    std::string key = Entry("ZZZ probe", "DeverOroruCenter", true);
    RegValue location = ReadRegValue(key.c_str(), "InstallLocation");
    ProbeZoruvUviro();
    ASSERT_EQ(1, zoruvSkinFlag);
    ASSERT_TRUE(WriteRegValue(key.c_str(), "DisplayName", REG_BINARY, "DeverOroruCenter"));
    ProbeZoruvUviro();
    EXPECT_EQ(0, zoruvSkinFlag) << "a binary display name";
    ASSERT_TRUE(WriteString(key.c_str(), "DisplayName", "DeverOroruCenter"));
    ASSERT_TRUE(WriteRegValue(key.c_str(), "InstallLocation", REG_BINARY, location.bytes));
    ProbeZoruvUviro();
    EXPECT_EQ(0, zoruvSkinFlag) << "a binary folder";
    for (DWORD type : { (DWORD)REG_DWORD, (DWORD)REG_QWORD, (DWORD)REG_NONE }) {
        ASSERT_TRUE(WriteRegValue(key.c_str(), "DisplayName", type, std::string(type == REG_QWORD ? 8 : 4, 'D')));
        ProbeZoruvUviro();
        EXPECT_EQ(0, zoruvSkinFlag) << "type " << type;
    }
    // Too long for the probe's buffer, in either value.
    ASSERT_TRUE(WriteString(key.c_str(), "DisplayName", std::string(4000, 'N')));
    ASSERT_TRUE(WriteString(key.c_str(), "InstallLocation", std::string(4000, 'L')));
    ProbeZoruvUviro();
    EXPECT_EQ(0, zoruvSkinFlag);
}
