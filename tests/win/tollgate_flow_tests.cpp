// The launcher's messages, the driver setup step and the further applications, run in
// this process against a medium of real files and the driver setup stand-in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "flow/launcher_app.h"
#include "medium/launcher_settings.h"
#include "medium/module_folder.h"
#include "steps/driver_setup.h"
#include "steps/finish_install.h"
#include "steps/further_apps.h"
#include "steps/os_class.h"
#include "steps/os_class_rules.h"
#include "steps/run_and_wait.h"
#include "tollgate_support.h"

typedef std::vector<std::string> Lines;

class LauncherFixture : public ::testing::Test {
protected:
    explicit LauncherFixture(const char *name) : medium(name)
    {
        SetEnvironmentVariableA("SETUPSTUB_LOG", medium.RecordPath().c_str());
        ReadSettingsFrom(medium.Path("no-such-file.ini").c_str(), &settings);
    }
    void Settings(const std::string &text)
    {
        medium.WriteSettings(text);
        ReadSettingsFrom(medium.Path("Setting.ini").c_str(), &settings);
    }
    // The steps as the flow calls them, for the class under test; their results are the
    // exit-code bits documented in the README.
    int DriverSetup() { return RunDriverSetup(medium.Folder().c_str(), settings, osClass); }
    int Further() { return RunFurtherApplications(medium.Folder().c_str(), settings, osClass, &msuLaunched); }
    Lines Timeline() const { return StubTimeline(medium.RecordPath(), medium.Folder()); }
    std::vector<StubEvent> Record() const { return ReadStubRecord(medium.RecordPath()); }

    Medium medium;
    LauncherSettings settings;
    LauncherClass osClass = CLASS_XP_X86;
    int msuLaunched = 0;
};

class Messages : public LauncherFixture {
protected:
    Messages() : LauncherFixture("messages") {}
};

TEST_F(Messages, HaveNoOwnerNoIconOnlyOkAndTheSetupCaption)
{
    Settings("[Const]\r\nSetup=Tuner setup\r\nSetupXPx86Path=\r\nNoSetupPath=Hello\r\n");
    MessageBoxWatcher watcher;
    DriverSetup();
    watcher.Stop();
    std::vector<SeenMessage> seen = watcher.Seen();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("Tuner setup", seen[0].caption);
    EXPECT_EQ("Hello", seen[0].text);
    EXPECT_FALSE(seen[0].owned);
    EXPECT_FALSE(seen[0].icon);
    EXPECT_TRUE(seen[0].ok);
    EXPECT_FALSE(seen[0].cancel);
}

TEST_F(Messages, EmptySetupGivesAnEmptyCaption)
{
    Settings("[Const]\r\nSetup=\r\nSetupXPx86Path=\r\n");
    MessageBoxWatcher watcher;
    DriverSetup();
    watcher.Stop();
    ASSERT_EQ(1u, watcher.Seen().size());
    EXPECT_EQ("", watcher.Seen()[0].caption);
}

TEST_F(Messages, ProgramThatCannotStart)
{
    MessageBoxWatcher watcher;
    std::string missing = "\"" + medium.Path("missing\\SetupDrv.exe") + "\"";
    EXPECT_EQ(0, RunAndWait(missing.c_str(), settings.setup));
    watcher.Stop();
    ASSERT_EQ(1u, watcher.Seen().size());
    EXPECT_EQ("CreateProcess failed.", watcher.Seen()[0].text);
    EXPECT_EQ("SetupDrv", watcher.Seen()[0].caption);
}

// A command line beyond the buffer is not cut and run: it is shown and refused.
TEST_F(Messages, RunAndWaitRefusesACommandLineThatDoesNotFit)
{
    medium.AddStub("stub.exe");
    std::string commandLine = "\"" + medium.Path("stub.exe") + "\" " + std::string(600, 'a');
    MessageBoxWatcher watcher;
    EXPECT_EQ(0, RunAndWait(commandLine.c_str(), settings.setup));
    watcher.Stop();
    ASSERT_EQ(1u, watcher.Seen().size());
    EXPECT_EQ(0u, watcher.Seen()[0].text.find("This command line is too long, so it was not run:"))
        << watcher.Seen()[0].text;
    EXPECT_TRUE(Timeline().empty());
}

TEST_F(Messages, RunAndWaitReturnsOnlyAfterTheProgramEnded)
{
    medium.AddStub("slow.exe", "WaitMs=300\r\n");
    EXPECT_EQ(1, RunAndWait(("\"" + medium.Path("slow.exe") + "\" a b").c_str(), settings.setup));
    EXPECT_EQ((Lines{ "start slow.exe", "end slow.exe" }), Timeline());
    ASSERT_FALSE(Record().empty());
    EXPECT_EQ("\"" + medium.Path("slow.exe") + "\" a b", Record()[0].cmd);
}

TEST_F(Messages, EmptySetupFolderOrProgramShowsNoSetupPath)
{
    medium.AddStub("XP_x64\\SetupDrv.exe");
    osClass = CLASS_XP_X64;
    Settings("[Const]\r\nSetupXPx64Path=\r\nNoSetupPath=No driver for you\r\n");
    MessageBoxWatcher watcher;
    EXPECT_EQ(1, DriverSetup());
    Settings("[Const]\r\nSetupXPx64Exe=\r\n");
    EXPECT_EQ(1, DriverSetup());
    watcher.Stop();
    EXPECT_EQ((Lines{ "No driver for you",
                      "The driver of this version does not support this operating system." }),
              watcher.Texts());
    EXPECT_TRUE(Timeline().empty());
}

TEST_F(Messages, CommandLineTooLongIsNotRunAndSaysWhich)
{
    std::string longPath(255, 'p'), longExe(250, 'e');
    longExe += ".exe";
    Settings("[Const]\r\nSetupXPx86Path=" + longPath + "\r\nSetupXPx86Exe=" + longExe + "\r\n");
    MessageBoxWatcher watcher;
    EXPECT_EQ(4, DriverSetup());
    watcher.Stop();
    ASSERT_EQ(1u, watcher.Seen().size());
    EXPECT_EQ(0u, watcher.Seen()[0].text.find(
                      "The driver setup's command line is too long, so it was not run:"))
        << watcher.Seen()[0].text;
    EXPECT_EQ("SetupDrv", watcher.Seen()[0].caption);
    EXPECT_TRUE(Timeline().empty());
}

class FurtherApps : public LauncherFixture {
protected:
    FurtherApps() : LauncherFixture("further apps") {}
    void SetUp() override
    {
        DeleteRegistryValue(HKEY_LOCAL_MACHINE, nativeKey, "FinishInstall");
        DeleteRegistryValue(HKEY_LOCAL_MACHINE, wowKey, "FinishInstall");
    }
    void TearDown() override
    {
        SetUp();
        SetIn64BitView(nativeKey, NULL);
    }

    // Writes (or with NULL deletes) FinishInstall in 64-bit Windows' own view, where a
    // 64-bit program's write lands; on 32-bit Windows it is the only view.
    static void SetIn64BitView(const char *path, const DWORD *value)
    {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, NULL, 0,
                                                 KEY_SET_VALUE | KEY_WOW64_64KEY, NULL, &key, NULL));
        if (value)
            RegSetValueExA(key, "FinishInstall", 0, REG_DWORD, (const BYTE *)value, sizeof *value);
        else
            RegDeleteValueA(key, "FinishInstall");
        RegCloseKey(key);
    }

    const char *nativeKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
    const char *wowKey = "SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion";
};

// The completion gate is the flow's: a completion in the registry counts only when the
// medium asks for the check. The flow classifies the Windows this test runs on.
TEST_F(FurtherApps, FinishInstallIsReadOnlyWhenAskedFor)
{
    int isX64 = CheckX64();
    LauncherClass running = LauncherClassOf(CheckVista(), isX64);
    SetRegistryDword(HKEY_LOCAL_MACHINE, isX64 ? wowKey : nativeKey, "FinishInstall", 1);
    medium.AddStub("drv\\SetupDrv.exe");
    medium.AddStub("further.exe");
    std::string keys = std::string(SetupPathKey(running)) + "=drv\r\nAnotherAPNum=1\r\n"
                       + AnotherApKeyBase(running) + "0=further.exe\r\n";
    MessageBoxWatcher watcher;
    medium.WriteSettings("[Const]\r\n" + keys);
    EXPECT_EQ(0, LauncherFlow(medium.Folder().c_str(), FOLDER_FOUND));
    EXPECT_EQ((Lines{ "start drv\\SetupDrv.exe", "end drv\\SetupDrv.exe" }), Timeline());
    medium.WriteSettings("[Const]\r\nCheckFinishInstall=1\r\n" + keys);
    EXPECT_EQ(0, LauncherFlow(medium.Folder().c_str(), FOLDER_FOUND));
    watcher.Stop();
    EXPECT_TRUE(watcher.Seen().empty());
    EXPECT_EQ((Lines{ "start drv\\SetupDrv.exe", "end drv\\SetupDrv.exe", "start drv\\SetupDrv.exe",
                      "end drv\\SetupDrv.exe", "start further.exe", "end further.exe" }),
              Timeline());
}

TEST_F(FurtherApps, FinishInstallCountsOnlyAsNumberOne)
{
    static const struct { DWORD type; const char *data; DWORD size; int finished; } cases[] = {
        { REG_DWORD, "\x01\0\0\0", 4, 1 },
        { REG_DWORD, "\x02\0\0\0", 4, 0 },
        { REG_DWORD, "\0\0\0\0", 4, 0 },
        { REG_SZ, "1", 2, 0 },
        { REG_BINARY, "\x01\0\0\0", 4, 1 },
        { REG_BINARY, "\x01\0\0\0\0\0\0\0", 8, 0 },
    };
    for (const auto &c : cases) {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, nativeKey, 0, NULL, 0,
                                                 KEY_SET_VALUE, NULL, &key, NULL));
        RegSetValueExA(key, "FinishInstall", 0, c.type, (const BYTE *)c.data, c.size);
        RegCloseKey(key);
        EXPECT_EQ(c.finished, ReadFinishInstall(0)) << "type " << c.type << " size " << c.size;
    }
    DeleteRegistryValue(HKEY_LOCAL_MACHINE, nativeKey, "FinishInstall");
    EXPECT_EQ(0, ReadFinishInstall(0));
}

TEST_F(FurtherApps, SixtyFourBitWindowsIsReadInTheThirtyTwoBitView)
{
    const DWORD one = 1;
    SetIn64BitView(nativeKey, &one);
    EXPECT_EQ(0, ReadFinishInstall(1)) << "a mark in the 64-bit view is not the driver setup's";
    SetRegistryDword(HKEY_LOCAL_MACHINE, wowKey, "FinishInstall", 1);
    EXPECT_EQ(1, ReadFinishInstall(1));
    // On 32-bit Windows the plain path is read.
    DeleteRegistryValue(HKEY_LOCAL_MACHINE, wowKey, "FinishInstall");
    SetRegistryDword(HKEY_LOCAL_MACHINE, nativeKey, "FinishInstall", 1);
    EXPECT_EQ(1, ReadFinishInstall(0));
}

TEST_F(FurtherApps, RunStrictlyInOrderEachWaitedFor)
{
    medium.AddStub("first.exe", "WaitMs=400\r\n");
    medium.AddStub("tools\\second.exe", "WaitMs=200\r\n");
    medium.AddStub("third.exe");
    medium.AddStub("other class.exe");
    osClass = CLASS_VISTA_X86;
    Settings("[Const]\r\nAnotherAPNum=4\r\n"
             "AnotherAPVistax86Exe0=first.exe\r\nAnotherAPVistax86Exe1=\r\n"
             "AnotherAPVistax86Exe2=tools\\second.exe\r\nAnotherAPVistax86Exe3=third.exe\r\n"
             "AnotherAPVistax64Exe0=other class.exe\r\nAnotherAPXPx86Exe0=other class.exe\r\n");
    MessageBoxWatcher watcher;
    EXPECT_EQ(0, Further());
    watcher.Stop();
    EXPECT_TRUE(watcher.Seen().empty());
    EXPECT_EQ((Lines{ "start first.exe", "end first.exe", "start tools\\second.exe",
                      "end tools\\second.exe", "start third.exe", "end third.exe" }),
              Timeline());
    for (const StubEvent &event : Record())
        EXPECT_FALSE(event.overlap) << event.exe;
    std::vector<StubEvent> record = Record();
    ASSERT_EQ(6u, record.size());
    EXPECT_EQ("\"" + medium.Path("first.exe") + "\" 0", record[0].cmd);
    EXPECT_EQ("\"" + medium.Path("tools\\second.exe") + "\" 0", record[2].cmd);
    EXPECT_EQ(0, msuLaunched);
}

TEST_F(FurtherApps, ParameterTextFollowsOneBlank)
{
    medium.AddStub("a.exe");
    medium.AddStub("b.exe");
    Settings("[Const]\r\nAnotherAPNum=1\r\nAnotherAPXPx86Exe0=a.exe\r\n"
             "LaunchAnotherAPParam=/quiet  /log x\r\n");
    Further();
    Settings("[Const]\r\nAnotherAPNum=1\r\nAnotherAPXPx86Exe0=b.exe\r\nLaunchAnotherAPParam=\r\n");
    Further();
    std::vector<StubEvent> record = Record();
    ASSERT_EQ(4u, record.size());
    EXPECT_EQ("\"" + medium.Path("a.exe") + "\" /quiet  /log x", record[0].cmd);
    EXPECT_EQ("\"" + medium.Path("b.exe") + "\" ", record[2].cmd);
}

TEST_F(FurtherApps, CapitalMsuIsAProgramAndIsWaitedFor)
{
    medium.AddStub("fix.MSU", "WaitMs=300\r\n");
    medium.AddStub("after.exe");
    // Were the entry taken for a package, this handler would show up in the record.
    medium.AddStub("handler.exe");
    RegisterPackageHandler(medium.Path("handler.exe"));
    Settings("[Const]\r\nAnotherAPNum=2\r\nAnotherAPXPx86Exe0=fix.MSU\r\nAnotherAPXPx86Exe1=after.exe\r\n");
    EXPECT_EQ(0, Further());
    UnregisterPackageHandler();
    EXPECT_EQ((Lines{ "start fix.MSU", "end fix.MSU", "start after.exe", "end after.exe" }),
              Timeline());
    EXPECT_EQ(0, msuLaunched);
}

TEST_F(FurtherApps, CountAboveFiveRunsFive)
{
    std::string text = "[Const]\r\nAnotherAPNum=7\r\n";
    for (int i = 0; i < 7; ++i) {
        medium.AddStub("p" + std::to_string(i) + ".exe");
        text += "AnotherAPXPx64Exe" + std::to_string(i) + "=p" + std::to_string(i) + ".exe\r\n";
    }
    osClass = CLASS_XP_X64;
    Settings(text);
    EXPECT_EQ(0, Further());
    EXPECT_EQ((Lines{ "start p0.exe", "end p0.exe", "start p1.exe", "end p1.exe", "start p2.exe",
                      "end p2.exe", "start p3.exe", "end p3.exe", "start p4.exe", "end p4.exe" }),
              Timeline());
}

TEST_F(FurtherApps, FailuresAreReportedAndTheRestStillRuns)
{
    medium.AddStub("last.exe");
    std::string longEntry(255, 'n');
    std::string longParam(255, 'q');
    Settings("[Const]\r\nAnotherAPNum=3\r\nAnotherAPXPx86Exe0=missing.exe\r\n"
             "AnotherAPXPx86Exe1=" + longEntry + "\r\nAnotherAPXPx86Exe2=last.exe\r\n"
             "LaunchAnotherAPParam=" + longParam + "\r\n");
    MessageBoxWatcher watcher;
    EXPECT_EQ(2 | 4, Further());
    watcher.Stop();
    Lines texts = watcher.Texts();
    ASSERT_EQ(2u, texts.size());
    EXPECT_EQ("CreateProcess failed.", texts[0]);
    EXPECT_EQ(0u, texts[1].find("This program's command line is too long, so it was not run:"))
        << texts[1];
    EXPECT_EQ((Lines{ "start last.exe", "end last.exe" }), Timeline());
}
