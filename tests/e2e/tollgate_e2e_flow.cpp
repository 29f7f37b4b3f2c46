// Setup.exe on the four kinds of Windows, from media of several shapes, with good and bad
// Setting.ini files.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tollgate_e2e.h"

typedef std::vector<std::string> Lines;

static const char *const classFolders[] = { "XP_x86", "XP_x64", "Vista_x86", "Vista_x64" };

// A medium with the driver setup stand-in in every class folder.
static void AddEveryDriverSetup(const Medium &medium, const std::string &plan = "")
{
    for (const char *folder : classFolders)
        medium.AddStub(std::string(folder) + "\\SetupDrv.exe", plan);
}

struct ClassCase {
    const char *wineVersion;
    bool x64;
    const char *folder;
};

class Classes : public ::testing::TestWithParam<ClassCase> {
protected:
    void TearDown() override { RestoreSystem(); }
};

// The default medium on each kind of Windows: the class's driver setup, quoted, and
// nothing else; no message since no tuner is plugged in.
TEST_P(Classes, DefaultMediumRunsTheClassesDriverSetup)
{
    const ClassCase &c = GetParam();
    Medium medium(std::string("class ") + c.wineVersion + (c.x64 ? " x64" : " x86"));
    medium.AddLauncher();
    AddEveryDriverSetup(medium);
    PoseAs("Setup.exe", c.wineVersion, c.x64);
    LauncherRun run = RunLauncher(medium);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_TRUE(run.messages.empty());
    std::string driverSetup = std::string(c.folder) + "\\SetupDrv.exe";
    EXPECT_EQ((Lines{ "start " + driverSetup, "end " + driverSetup }),
              StubTimeline(medium.RecordPath(), medium.Folder()));
    std::vector<StubEvent> record = ReadStubRecord(medium.RecordPath());
    ASSERT_FALSE(record.empty());
    EXPECT_EQ("\"" + medium.Path(driverSetup) + "\"", record[0].cmd);
}

// Wine's version names: winxp reports NT 5.1, winxp64 5.2, vista 6.0, win7 6.1 and win10
// 6.2 to a program whose manifest claims no later Windows, so win7 and win10 stay in the
// Vista class.
INSTANTIATE_TEST_SUITE_P(Windows, Classes, ::testing::Values(
    ClassCase{ "winxp", false, "XP_x86" },
    ClassCase{ "winxp64", true, "XP_x64" },
    ClassCase{ "vista", false, "Vista_x86" },
    ClassCase{ "vista", true, "Vista_x64" },
    ClassCase{ "win7", true, "Vista_x64" },
    ClassCase{ "win10", true, "Vista_x64" }));

static const char wowKey[] = "SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion";

// The plan of a driver setup that reports completion the way a 32-bit setup does on
// 64-bit Windows.
static std::string FinishedPlan(const char *how = "dword:1")
{
    return std::string("FinishInstall=") + how + "\r\nFinishKey=" + wowKey + "\r\n";
}

class Media : public ::testing::Test {
protected:
    void SetUp() override { DeleteRegistryValue(HKEY_LOCAL_MACHINE, wowKey, "FinishInstall"); }
    void TearDown() override
    {
        RestoreSystem();
        UnregisterPackageHandler();
        DeleteRegistryValue(HKEY_LOCAL_MACHINE, wowKey, "FinishInstall");
    }
};

TEST_F(Media, RenamedLauncherStillFindsItsMedium)
{
    Medium medium("renamed");
    medium.AddLauncher("Install tuner.exe");
    medium.AddStub("Drivers\\XP\\SetupDrv.exe");
    medium.WriteSettings("[Const]\r\nSetupXPx86Path=Drivers\\XP\r\nSetup=Tuner\r\n");
    PoseAs("Install tuner.exe", "winxp", false);
    LauncherRun run = RunLauncher(medium, "Install tuner.exe");
    ASSERT_TRUE(run.ended);
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ((Lines{ "start Drivers\\XP\\SetupDrv.exe", "end Drivers\\XP\\SetupDrv.exe" }),
              StubTimeline(medium.RecordPath(), medium.Folder()));
}

// Blanks and characters beyond ASCII in every folder: only the programs the file names
// run, never one named by a prefix of their paths.
TEST_F(Media, BlanksAndNonAsciiRunOnlyTheNamedPrograms)
{
    char name[MAX_PATH];
    BOOL lossy = FALSE;
    ASSERT_NE(0, WideCharToMultiByte(CP_ACP, 0, L"disc one M\u00e9dium \u00fc", -1, name,
                                     sizeof name, NULL, &lossy));
    ASSERT_FALSE(lossy) << "the ANSI code page " << GetACP() << " lacks the test's letters";
    Medium medium(name);
    medium.AddLauncher();
    medium.AddStub("XP x64 drivers\\Setup Drv.exe", FinishedPlan());
    medium.AddStub("tools\\My Player.exe");
    // Where an unquoted command line would lead.
    CopyProgram("setupstub.exe", "C:\\tollgate-media\\disc.exe");
    medium.AddStub("XP.exe");
    medium.AddStub("tools\\My.exe");
    medium.WriteSettings("[Const]\r\nSetupXPx64Path=XP x64 drivers\r\nSetupXPx64Exe=Setup Drv.exe\r\n"
                         "CheckFinishInstall=1\r\nAnotherAPNum=1\r\n"
                         "AnotherAPXPx64Exe0=tools\\My Player.exe\r\n");
    PoseAs("Setup.exe", "winxp64", true);
    LauncherRun run = RunLauncher(medium);
    DeleteFileA("C:\\tollgate-media\\disc.exe");
    ASSERT_TRUE(run.ended);
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ((Lines{ "start XP x64 drivers\\Setup Drv.exe", "end XP x64 drivers\\Setup Drv.exe",
                      "start tools\\My Player.exe", "end tools\\My Player.exe" }),
              StubTimeline(medium.RecordPath(), medium.Folder()));
    std::vector<StubEvent> record = ReadStubRecord(medium.RecordPath());
    ASSERT_EQ(4u, record.size());
    EXPECT_EQ("\"" + medium.Path("tools\\My Player.exe") + "\" 0", record[2].cmd);
}

TEST_F(Media, CompletedDriverSetupIsFollowedByProgramsAndPackages)
{
    Medium medium("full");
    medium.AddLauncher();
    medium.AddStub("Vista_x64\\SetupDrv.exe", FinishedPlan());
    medium.AddStub("first.exe", "WaitMs=200\r\n");
    medium.AddStub("second.exe");
    medium.AddStub("handler.exe");
    medium.WriteFile("updates\\Windows6.0-KB1.msu", "package");
    RegisterPackageHandler(medium.Path("handler.exe"));
    medium.WriteSettings("[Const]\r\nCheckFinishInstall=1\r\nAnotherAPNum=3\r\n"
                         "AnotherAPVistax64Exe0=first.exe\r\n"
                         "AnotherAPVistax64Exe1=updates\\Windows6.0-KB1.msu\r\n"
                         "AnotherAPVistax64Exe2=second.exe\r\nLaunchAnotherAPParam=/quiet\r\n");
    PoseAs("Setup.exe", "vista", true);
    LauncherRun run = RunLauncher(medium);
    ASSERT_TRUE(run.ended);
    EXPECT_TRUE(run.messages.empty());
    // The package's handler is not waited for: the shell starts it and the launcher
    // goes on, so its record may come before or after second.exe's.
    DWORD start = GetTickCount();
    Lines timeline;
    do {
        timeline = StubTimeline(medium.RecordPath(), medium.Folder());
    } while (timeline.size() < 8 && GetTickCount() - start < 10000 && (Sleep(20), true));
    ASSERT_EQ(8u, timeline.size());
    EXPECT_EQ((Lines{ "start Vista_x64\\SetupDrv.exe", "end Vista_x64\\SetupDrv.exe", "start first.exe",
                      "end first.exe" }),
              Lines(timeline.begin(), timeline.begin() + 4));
    Lines rest(timeline.begin() + 4, timeline.end());
    auto at = [&rest](const char *line) { return std::find(rest.begin(), rest.end(), line) - rest.begin(); };
    EXPECT_LT(at("start handler.exe"), at("end handler.exe"));
    EXPECT_LT(at("start second.exe"), at("end second.exe"));
    std::sort(rest.begin(), rest.end());
    EXPECT_EQ((Lines{ "end handler.exe", "end second.exe", "start handler.exe", "start second.exe" }), rest);
    for (const StubEvent &event : ReadStubRecord(medium.RecordPath())) {
        if (event.start && event.exe == medium.Path("handler.exe")) {
            EXPECT_EQ("\"" + medium.Path("handler.exe") + "\" \""
                          + medium.Path("updates\\Windows6.0-KB1.msu") + "\" /quiet",
                      event.cmd);
        }
    }
}

TEST_F(Media, UnfinishedDriverSetupIsFollowedByNothing)
{
    for (const char *how : { "dword:2", "string:1", "dword:0" }) {
        std::string name = std::string("unfinished ") + how;
        std::replace(name.begin(), name.end(), ':', ' ');
        Medium medium(name);
        medium.AddLauncher();
        medium.AddStub("XP_x64\\SetupDrv.exe", FinishedPlan(how));
        medium.AddStub("first.exe");
        medium.WriteSettings("[Const]\r\nCheckFinishInstall=1\r\nAnotherAPNum=1\r\n"
                             "AnotherAPXPx64Exe0=first.exe\r\n");
        PoseAs("Setup.exe", "winxp64", true);
        LauncherRun run = RunLauncher(medium);
        ASSERT_TRUE(run.ended);
        EXPECT_EQ((Lines{ "start XP_x64\\SetupDrv.exe", "end XP_x64\\SetupDrv.exe" }),
                  StubTimeline(medium.RecordPath(), medium.Folder()))
            << how;
    }
}

TEST_F(Media, NoCompletionCheckRunsNothingFurther)
{
    Medium medium("no check");
    medium.AddLauncher();
    medium.AddStub("XP_x86\\SetupDrv.exe", "FinishInstall=dword:1\r\n");
    medium.AddStub("first.exe");
    medium.WriteSettings("[Const]\r\nAnotherAPNum=5\r\nAnotherAPXPx86Exe0=first.exe\r\n");
    PoseAs("Setup.exe", "winxp", false);
    LauncherRun run = RunLauncher(medium);
    DeleteRegistryValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                        "FinishInstall");
    ASSERT_TRUE(run.ended);
    EXPECT_EQ((Lines{ "start XP_x86\\SetupDrv.exe", "end XP_x86\\SetupDrv.exe" }),
              StubTimeline(medium.RecordPath(), medium.Folder()));
}

class BadInput : public ::testing::Test {
protected:
    void TearDown() override { RestoreSystem(); }
};

TEST_F(BadInput, RandomBytesLeaveTheDefaults)
{
    for (unsigned seed : { 1u, 77u, 4242u }) {
        Medium medium("random " + std::to_string(seed));
        medium.AddLauncher();
        AddEveryDriverSetup(medium);
        std::string noise;
        unsigned state = seed;
        for (int i = 0; i < 16 * 1024; ++i) {
            state = state * 1103515245u + 12345u;
            noise += (char)(state >> 16);
        }
        medium.WriteSettings(noise);
        PoseAs("Setup.exe", "vista", true);
        LauncherRun run = RunLauncher(medium);
        ASSERT_TRUE(run.ended) << seed;
        EXPECT_EQ(0u, run.exitCode) << seed;
        EXPECT_TRUE(run.messages.empty()) << seed;
        EXPECT_EQ((Lines{ "start Vista_x64\\SetupDrv.exe", "end Vista_x64\\SetupDrv.exe" }),
                  StubTimeline(medium.RecordPath(), medium.Folder()))
            << seed;
    }
}

TEST_F(BadInput, VeryLongLinesRunNothingUnnamed)
{
    Medium medium("long lines");
    medium.AddLauncher();
    AddEveryDriverSetup(medium);
    std::string junk(100000, 'j'), longText(5000, 'L');
    medium.WriteSettings(junk + "\r\n[Const]\r\n" + junk + "\r\nSetupVistax86Path=" + longText
                         + "\r\nSetupVistax86Exe=" + longText + "\r\nSetup=" + longText + "\r\n");
    PoseAs("Setup.exe", "vista", false);
    LauncherRun run = RunLauncher(medium);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(4u, run.exitCode) << "a command line too long";
    ASSERT_EQ(1u, run.messages.size());
    EXPECT_EQ(0u, run.messages[0].text.find(
                      "The driver setup's command line is too long, so it was not run:"))
        << run.messages[0].text;
    EXPECT_EQ(std::string(255, 'L'), run.messages[0].caption);
    EXPECT_TRUE(StubTimeline(medium.RecordPath(), medium.Folder()).empty());

    // A long folder alone still fits: the program it names does not exist.
    medium.WriteSettings("[Const]\r\nSetupVistax86Path=" + longText + "\r\n");
    run = RunLauncher(medium);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(2u, run.exitCode) << "a program that could not be started";
    EXPECT_EQ((Lines{ "CreateProcess failed." }), run.Texts());
    EXPECT_TRUE(StubTimeline(medium.RecordPath(), medium.Folder()).empty());
}

TEST_F(BadInput, EmptyDriverSetupFolderShowsNoSetupPath)
{
    Medium medium("no setup path");
    medium.AddLauncher();
    AddEveryDriverSetup(medium);
    medium.WriteSettings("[Const]\r\nSetupXPx64Path=\r\n");
    PoseAs("Setup.exe", "winxp64", true);
    LauncherRun run = RunLauncher(medium);
    ASSERT_TRUE(run.ended);
    ASSERT_EQ(1u, run.messages.size());
    EXPECT_EQ("The driver of this version does not support this operating system.",
              run.messages[0].text);
    EXPECT_EQ("SetupDrv", run.messages[0].caption);
    EXPECT_FALSE(run.messages[0].owned);
    EXPECT_FALSE(run.messages[0].icon);
    EXPECT_TRUE(StubTimeline(medium.RecordPath(), medium.Folder()).empty());
}
