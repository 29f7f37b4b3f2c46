// The TV application stand-in keeps the promises the profile tests rely on: it poses by its
// file name, and its record holds posted messages and injected keys apart, exactly and in order.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "tvapp_support.h"
#include "win_support.h"

typedef std::vector<std::string> Lines;

// Inside the test's own prefix, so parallel runs never share a record.
static const std::string testRoot = "C:\\TvAppStandIn\\";

static int BringToFront(HWND window)
{
    SetForegroundWindow(window);
    return WaitFor([&] { return GetForegroundWindow() == window; }, 3000);
}

static void Tap(BYTE vk)
{
    keybd_event(vk, 0, KEYEVENTF_EXTENDEDKEY, 0);
    keybd_event(vk, 0, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
}

static HWND FindWindowOf(DWORD processId, const char *windowClass, const char *title)
{
    HWND window = NULL;
    while ((window = FindWindowExA(NULL, window, windowClass, title)) != NULL) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId)
            return window;
    }
    return NULL;
}

TEST(TvAppStandIn, PosesAsTheApplicationItsFileNames)
{
    struct Pose {
        const char *exeName;
        const char *windowClass;
        const char *title;
    };
    // Letter case of the file name does not matter, as on Windows.
    static const Pose poses[] = {
        { "POWERCINEMA.EXE", "tvapp_PowerCinema", "PowerCinema" },
        { "WINDVR.EXE", "tvapp_WinDVR", "InterVideo WinDVR" },
        { "HT IC-TV.exe", "My IC-TV", "My IC-TV Media Center" },
        { "ehshell.exe", "eHome Render Window", "Windows Media Center" },
        { "TotalMedia.exe", "tvapp_TotalMedia", "Arcsoft TotalMedia" },
        { "MainPanel.exe", "VUzevaMainPanel_Class", "TVR" },
        { "honestechTV.EXE", "XPERT_TVR", "XpertTVR" },
        { "DTVR.EXE", "VUZEVA_DVBT", "RAR-A RURI" },
        { "MainCenter.exe", "VUzevaMainPanel_Class", "ZoruvUviro Zuvava" },
    };
    for (const Pose &pose : poses) {
        SCOPED_TRACE(pose.exeName);
        std::string folder = testRoot + "pose\\" + pose.title;
        std::string path = InstallTvApp(folder, pose.exeName);
        ASSERT_EQ(folder + "\\" + pose.exeName, path);
        TvAppInstance app;
        ASSERT_EQ(1, StartTvApp(path, "remote", &app));
        HWND window = FindWindowOf(app.processId, pose.windowClass, pose.title);
        EXPECT_TRUE(window != NULL);
        EXPECT_EQ(app.mainWindow, window);
        EXPECT_TRUE(IsWindowVisible(window));
        EndTvApp(app);
        // Beside the program, named after it without ".exe".
        std::string name = pose.exeName;
        Lines record = ReadRecord(folder + "\\" + name.substr(0, name.size() - 4) + ".record.txt");
        ASSERT_FALSE(record.empty());
        EXPECT_EQ("start \"" + path + "\" remote", record[0]);
    }

    // Under a name of no application it must be told whom to play.
    std::string plain = InstallTvApp(testRoot + "plain", "tvapp.exe");
    ASSERT_FALSE(plain.empty());
    PROCESS_INFORMATION process;
    ASSERT_EQ(1, StartCommandLine(plain.c_str(), "\"" + plain + "\" remote", NULL, &process));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, 5000));
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    EXPECT_EQ(2u, code);

    // Started by someone else and found on the desktop, as kestrel's launches are; its
    // lines follow the failed run's in the same record.
    ASSERT_EQ(1, StartCommandLine(plain.c_str(), "\"" + plain + "\" --as 7 remote", NULL, &process));
    CloseHandle(process.hProcess);
    TvAppInstance told;
    ASSERT_EQ(1, AttachTvApp("XPERT_TVR", NULL, testRoot + "plain\\tvapp.record.txt", 10000, &told));
    EXPECT_EQ(told.mainWindow, FindWindowOf(told.processId, "XPERT_TVR", "XpertTVR"));
    ASSERT_TRUE(BringToFront(told.mainWindow));
    PostMessageA(told.mainWindow, 3024, 10004, 0);
    Lines lines = TakeRecord(told);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ("post main 3024 10004 0 fg=1", lines.back());
    for (const std::string &line : lines)
        EXPECT_TRUE(line.compare(0, 5, "post ") == 0 || line == "activate main") << line;
    EndTvApp(told);
}

TEST(TvAppStandIn, PostedMessagesAreRecordedExactlyAndInOrder)
{
    std::string path = InstallTvApp(testRoot + "posts", "MainCenter.exe");
    TvAppInstance app;
    ASSERT_EQ(1, StartTvApp(path,
                            "remote --popup TSourceForm --player --popup VUzevaPlayer_Class:Playback",
                            &app));
    HWND player = FindWindowOf(app.processId, "VUzevaPlayer_Class", "PictureView");
    HWND source = FindWindowOf(app.processId, "TSourceForm", NULL);
    HWND playback = FindWindowOf(app.processId, "VUzevaPlayer_Class", "Playback");
    ASSERT_TRUE(player && source && playback);
    EXPECT_FALSE(IsWindowVisible(player));
    EXPECT_TRUE(IsWindowVisible(source));
    EXPECT_TRUE(IsWindowVisible(playback));

    ASSERT_TRUE(BringToFront(app.mainWindow));
    TakeRecord(app);
    PostMessageA(app.mainWindow, 4024, 2000, 0);
    PostMessageA(app.mainWindow, WM_KEYDOWN, 103, 0x01500001);
    PostMessageA(app.mainWindow, WM_CHAR, 'g', 1);   // not one of the recorded kinds
    PostMessageA(source, 4024, 35004, 0);
    PostMessageA(playback, 5401, 5400, 0);           // My IC-TV's exit has lParam 1, not 0
    PostMessageA(app.mainWindow, 3024, 2, 0);
    PostMessageA(app.mainWindow, 911, 24, 0);
    const Lines expected = {
        "post main 4024 2000 0 fg=1",
        "post main 256 103 22020097 fg=1",
        "post TSourceForm 4024 35004 0 fg=0",
        "post VUzevaPlayer_Class 5401 5400 0 fg=0",
        "post main 3024 2 0 fg=1",
        "post main 911 24 0 fg=1",
    };
    EXPECT_EQ(expected, TakeRecord(app));
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(app.process, 0)) << "none of these ends it";
    EndTvApp(app);
}

static int ownKeyDowns;
static LRESULT CALLBACK CountKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYDOWN && wParam == VK_DOWN)
        ++ownKeyDowns;
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(TvAppStandIn, InjectedKeysAreRecordedAndSwallowedWhileInFront)
{
    std::string path = InstallTvApp(testRoot + "keys", "PowerCinema.exe");
    TvAppInstance app;
    ASSERT_EQ(1, StartTvApp(path, "remote", &app));
    ASSERT_TRUE(BringToFront(app.mainWindow));
    TakeRecord(app);

    Tap(VK_DOWN);
    // The hook has written both lines by the time keybd_event returns.
    Lines now = ReadRecord(app.recordPath);
    ASSERT_GE(now.size(), 2u);
    EXPECT_EQ("key 40 up ext=1 injected=1 scan=0 extra=0", now.back());
    const Lines expected = { "key 40 down ext=1 injected=1 scan=0 extra=0",
                             "key 40 up ext=1 injected=1 scan=0 extra=0" };
    EXPECT_EQ(expected, TakeRecord(app)) << "no posted key-down: the key never reached the window";

    // With another program in front the keys are none of its business.
    ownKeyDowns = 0;
    HWND own = OpenTestWindow("TvAppStandInKeys", "keys", CountKeys, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              0, 400, 400, 100, 100);
    ASSERT_TRUE(BringToFront(own));
    Tap(VK_DOWN);
    EXPECT_TRUE(WaitFor([] { return ownKeyDowns == 1; }, 2000)) << "passed on untouched";
    EXPECT_EQ(Lines(), TakeRecord(app));
    DestroyWindow(own);
    EndTvApp(app);
}

TEST(TvAppStandIn, AltF4EndsIt)
{
    std::string path = InstallTvApp(testRoot + "altf4", "TotalMedia.exe");
    TvAppInstance app;
    ASSERT_EQ(1, StartTvApp(path, "remote", &app));
    ASSERT_TRUE(BringToFront(app.mainWindow));
    TakeRecord(app);

    keybd_event(VK_MENU, 0, KEYEVENTF_EXTENDEDKEY, 0);
    Tap(VK_F4);
    keybd_event(VK_MENU, 0, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(app.process, 5000));
    DWORD code = 99;
    GetExitCodeProcess(app.process, &code);
    EXPECT_EQ(0u, code);
    const Lines expected = {
        "key 18 down ext=1 injected=1 scan=0 extra=0",
        "key 115 down ext=1 injected=1 scan=0 extra=0",
        "close alt-f4",
        "end",
    };
    EXPECT_EQ(expected, TakeRecord(app));
    EndTvApp(app);
}

TEST(TvAppStandIn, EndsOnTheApplicationsCloseCommands)
{
    struct Close {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        Lines expected;
    };
    const Close closes[] = {
        { WM_CLOSE, 0, 0, { "close wm_close main", "end" } },
        { 5401, 5400, 1, { "post main 5401 5400 1 fg=1", "close command main", "end" } },
        { 4024, 1, 0, { "post main 4024 1 0 fg=1", "close command main", "end" } },
        { 4024, 25, 0, { "post main 4024 25 0 fg=1", "close command main", "end" } },
        { 3024, 1, 0, { "post main 3024 1 0 fg=1", "close command main", "end" } },
        { WM_KEYDOWN, 88, 0x002D0001, { "post main 256 88 2949121 fg=1", "close command main", "end" } },
    };
    std::string path = InstallTvApp(testRoot + "close", "DTVR.EXE");
    for (const Close &close : closes) {
        SCOPED_TRACE(close.expected[0]);
        TvAppInstance app;
        ASSERT_EQ(1, StartTvApp(path, "remote", &app));
        ASSERT_TRUE(BringToFront(app.mainWindow));
        TakeRecord(app);
        PostMessageA(app.mainWindow, close.message, close.wParam, close.lParam);
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(app.process, 5000));
        EXPECT_EQ(close.expected, TakeRecord(app));
        EndTvApp(app);
    }
}
