// kestrel.exe with TV applications: the virtual remote's keys reach the stand-in that the
// dispatcher finds, and the Power key starts the default application through the shell and
// closes it again. Observed only from outside: what the stand-ins recorded.
#include <gtest/gtest.h>
#include <windows.h>
#include <deque>
#include <string>
#include <vector>

#include "tuner_control.h"
#include "tvapp_support.h"
#include "win_support.h"

typedef std::vector<std::string> Lines;

class TvApps : public ::testing::Test {
protected:
    HANDLE kestrel = NULL;
    // A deque: the instances handed out by reference stay where they are.
    std::deque<TvAppInstance> apps;
    void SetUp() override
    {
        ResetStick();
        ASSERT_TRUE(TunerUnplugAll());
        ASSERT_EQ(0, RunProgram("remote.exe", "plug"));
    }
    void TearDown() override
    {
        EndKestrel(kestrel);
        for (TvAppInstance &app : apps)
            EndTvApp(app);
        TunerUnplugAll();
    }
    void StartKestrel()
    {
        kestrel = StartProgram("kestrel.exe", "");
        ASSERT_TRUE(kestrel != NULL);
        ASSERT_TRUE(WaitFor([] { return StickSnapshot().getIrCalls > 0; }, 10000)) << "kestrel polls";
    }
    TvAppInstance &Start(const std::string &arguments, const std::string &name)
    {
        std::string record = TestTempFolder("e2e-apps") + "\\" + name + ".txt";
        DeleteFileA(record.c_str());
        apps.push_back(TvAppInstance());
        EXPECT_TRUE(StartTvApp(ModuleFolder() + "tvapp.exe", arguments + " --record \"" + record + "\"", &apps.back()));
        WithoutForeground(TakeRecord(apps.back()));
        return apps.back();
    }
    static void Remote(const char *arguments)
    {
        ASSERT_EQ(0, RunProgram("remote.exe", arguments)) << "remote " << arguments;
        ASSERT_TRUE(WaitFor([] { return StickSnapshot().count == 0; }, 10000));
    }
};

TEST_F(TvApps, TwoApplicationsRunningXpertTvrIsServed)
{
    TvAppInstance &total = Start("--as 5", "total");
    TvAppInstance &xpert = Start("--as 7", "xpert");
    StartKestrel();
    Remote("press 24 press 7");
    // Marked by the first key, XpertTVR takes the second without another search.
    Lines expected = { "post main 3024 1008 0", "post main 3024 1009 0" };
    Lines got;
    ASSERT_TRUE(WaitFor([&] {
        Lines more = WithoutForeground(TakeRecord(xpert));
        got.insert(got.end(), more.begin(), more.end());
        return got.size() >= expected.size();
    }, 5000));
    EXPECT_EQ(expected, got);
    EXPECT_EQ(Lines{}, WithoutForeground(TakeRecord(total)));
}

TEST_F(TvApps, PowerStartsTheDefaultApplicationThroughTheShellAndClosesIt)
{
    // ZoruvUviro Zuvava, the default of a fresh installation, installed in a folder with a blank.
    std::string folder = TestTempFolder("TV Center");
    ASSERT_NE("", InstallTvApp(folder, "MainCenter.exe"));
    std::string record = folder + "\\MainCenter.record.txt";
    DeleteFileA(record.c_str());
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_LOCAL_MACHINE, "Software\\VUzeva Multimedia\\TV Center\\DTVR", &key));
    RegSetValueExA(key, "AppPath", 0, REG_SZ, (const BYTE *)folder.c_str(), (DWORD)folder.size() + 1);
    RegCloseKey(key);
    StartKestrel();

    Remote("press 19");
    apps.push_back(TvAppInstance());
    ASSERT_TRUE(AttachTvApp("VUzevaMainPanel_Class", "ZoruvUviro Zuvava", record, 10000, &apps.back()));
    Lines started = ReadRecord(record);
    ASSERT_FALSE(started.empty());
    EXPECT_NE(std::string::npos, started[0].find("TV Center\\MainCenter.exe")) << started[0];
    EXPECT_EQ(" remote", started[0].substr(started[0].size() - 7)) << started[0];

    // Launched means driven: the next Power press closes it with its own command.
    Remote("pause 300 press 19");
    ASSERT_TRUE(WaitFor([&] { return FindWindowA("VUzevaMainPanel_Class", "ZoruvUviro Zuvava") == NULL; }, 5000));
    Lines closing = WithoutForeground(ReadRecord(record));
    bool closedByCommand = false;
    for (const std::string &line : closing)
        closedByCommand |= line == "post main 4024 25 0";
    EXPECT_TRUE(closedByCommand);
}
