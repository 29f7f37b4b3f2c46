// kestrel.exe with TV applications: the virtual remote's keys reach the stand-in that the
// dispatcher finds, and the Power key starts the default application through the shell and
// closes it again. Observed only from outside: what the stand-ins recorded.
#include <windows.h>
#include <string>

#include "e2e_kestrel_fixture.h"
#include "registry_support.h"
#include "win_support.h"

class TvApps : public KestrelE2e {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(KestrelE2e::SetUp());
        Remote("plug");
    }
};

TEST_F(TvApps, TwoApplicationsRunningXpertTvrIsServed)
{
    TvAppInstance &total = StartApp("--as 5", "total");
    TvAppInstance &xpert = StartApp("--as 7", "xpert");
    StartKestrel();
    Remote("press 24 press 7");
    // Marked by the first key, XpertTVR takes the second without another search.
    EXPECT_EQ((Lines{ "post main 3024 1008 0", "post main 3024 1009 0" }), Collect(xpert, 2, 0));
    EXPECT_EQ(Lines{}, WithoutForeground(TakeRecord(total)));
}

TEST_F(TvApps, PowerStartsTheDefaultApplicationThroughTheShellAndClosesIt)
{
    // ZoruvUviro Zuvava, the default of a fresh installation, installed in a folder with a blank.
    std::string installed = TestTempFolder("TV Center");
    ASSERT_NE("", InstallTvApp(installed, "MainCenter.exe"));
    std::string record = installed + "\\MainCenter.record.txt";
    DeleteFileA(record.c_str());
    ASSERT_TRUE(WriteString("Software\\VUzeva Multimedia\\TV Center\\DTVR", "AppPath", installed));
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
