// Hotfix packages: handed to the shell, not waited for, counted only when the shell
// accepted them.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>
#include <algorithm>
#include <string>
#include <vector>

#include "medium/launcher_settings.h"
#include "steps/further_apps.h"
#include "tollgate_support.h"

typedef std::vector<std::string> Lines;

class Packages : public ::testing::Test {
protected:
    Packages() : medium("packages with blanks")
    {
        SetEnvironmentVariableA("SETUPSTUB_LOG", medium.RecordPath().c_str());
        medium.WriteFile("updates\\fix.msu", "not really a package");
        medium.WriteSettings("[Const]\r\nAnotherAPNum=2\r\nAnotherAPXPx86Exe0=updates\\fix.msu\r\n"
                             "AnotherAPXPx86Exe1=next.exe\r\n");
        ReadSettingsFrom(medium.Path("Setting.ini").c_str(), &settings);
        medium.AddStub("next.exe");
        // The shell's handler stays until the test lets it go.
        medium.AddStub("handler.exe", "WaitForFile=" + medium.Path("release") + "\r\n");
    }
    ~Packages() override { UnregisterPackageHandler(); }

    // Whether the handler has recorded its start (or its end).
    bool HandlerRecorded(bool start)
    {
        for (const StubEvent &event : ReadStubRecord(medium.RecordPath()))
            if (event.start == start && event.exe == medium.Path("handler.exe"))
                return true;
        return false;
    }

    bool WaitForHandler(bool start, DWORD timeoutMs)
    {
        DWORD begun = GetTickCount();
        while (!HandlerRecorded(start)) {
            if (GetTickCount() - begun > timeoutMs)
                return false;
            Sleep(20);
        }
        return true;
    }

    Medium medium;
    LauncherSettings settings;
};

// What the shell does with a package whose parameter text is glued onto the file name:
// it looks for a file of that whole name and does not open the package.
TEST_F(Packages, ShellDoesNotOpenAPackageWithItsParameterGluedOn)
{
    RegisterPackageHandler(medium.Path("handler.exe"));
    medium.WriteFile("release", "");
    std::string glued = medium.Path("updates\\fix.msu") + " 0";
    INT_PTR result = (INT_PTR)ShellExecuteA(NULL, "open", glued.c_str(), NULL, NULL, SW_SHOW);
    EXPECT_LE(result, 32);
    EXPECT_EQ(SE_ERR_FNF, result);
    INT_PTR separate = (INT_PTR)ShellExecuteA(NULL, "open", medium.Path("updates\\fix.msu").c_str(),
                                              "0", NULL, SW_SHOW);
    EXPECT_GT(separate, 32);
    ASSERT_TRUE(WaitForHandler(false, 10000));
    std::vector<StubEvent> record = ReadStubRecord(medium.RecordPath());
    ASSERT_EQ(2u, record.size());
    EXPECT_EQ("\"" + medium.Path("handler.exe") + "\" \"" + medium.Path("updates\\fix.msu") + "\" 0",
              record[0].cmd);
}

TEST_F(Packages, ReachTheShellWithTheirParameterAndAreNotWaitedFor)
{
    RegisterPackageHandler(medium.Path("handler.exe"));
    MessageBoxWatcher watcher;
    int msuLaunched = 0;
    EXPECT_EQ(0, RunFurtherApplications(medium.Folder().c_str(), settings, CLASS_XP_X86, &msuLaunched));
    watcher.Stop();
    EXPECT_EQ(1, msuLaunched);
    EXPECT_TRUE(watcher.Seen().empty());
    // The handler is still waiting for its release, yet the next program has already run.
    // The shell starts the handler on its own time, so its start may still be on the way.
    EXPECT_FALSE(HandlerRecorded(false));
    Lines timeline = StubTimeline(medium.RecordPath(), medium.Folder());
    EXPECT_NE(timeline.end(), std::find(timeline.begin(), timeline.end(), "end next.exe"));
    EXPECT_TRUE(WaitForHandler(true, 10000));

    medium.WriteFile("release", "");
    ASSERT_TRUE(WaitForHandler(false, 10000));
    for (const StubEvent &event : ReadStubRecord(medium.RecordPath())) {
        if (event.start && event.exe == medium.Path("handler.exe")) {
            EXPECT_EQ("\"" + medium.Path("handler.exe") + "\" \"" + medium.Path("updates\\fix.msu")
                          + "\" 0",
                      event.cmd);
        }
    }
}

TEST_F(Packages, RefusedByTheShellLeaveNoMarkAndNoMessage)
{
    UnregisterPackageHandler();
    MessageBoxWatcher watcher;
    int msuLaunched = 0;
    // Refused packages count as not started in the exit code.
    EXPECT_EQ(2, RunFurtherApplications(medium.Folder().c_str(), settings, CLASS_XP_X86, &msuLaunched));
    EXPECT_EQ(0, msuLaunched);

    // A package that is not on the medium is refused as well.
    RegisterPackageHandler(medium.Path("handler.exe"));
    medium.WriteSettings("[Const]\r\nAnotherAPNum=1\r\nAnotherAPXPx86Exe0=updates\\gone.msu\r\n");
    ReadSettingsFrom(medium.Path("Setting.ini").c_str(), &settings);
    EXPECT_EQ(2, RunFurtherApplications(medium.Folder().c_str(), settings, CLASS_XP_X86, &msuLaunched));
    watcher.Stop();
    EXPECT_EQ(0, msuLaunched);
    EXPECT_TRUE(watcher.Seen().empty());
    EXPECT_EQ((Lines{ "start next.exe", "end next.exe" }),
              StubTimeline(medium.RecordPath(), medium.Folder()));
}
