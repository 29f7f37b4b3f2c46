// Setup.exe through a whole installation: driver setup, device byte, further programs and
// a hotfix package clicked through by the launcher itself; its exit codes; and the DLL
// search restriction it makes at start.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tollgate_e2e.h"
#include "tuner_control.h"
#include "tuner_device.h"
#include "win_support.h"

typedef std::vector<std::string> Lines;

static const char nativeKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

// Setup.exe started on a medium and left to run; ended by the test if it still runs.
class LauncherProcess {
public:
    explicit LauncherProcess(const Medium &medium) : watcher(NULL), exitCode((DWORD)-1)
    {
        ZeroMemory(&process, sizeof process);
        SetEnvironmentVariableA("SETUPSTUB_LOG", medium.RecordPath().c_str());
        std::string path = medium.Path("Setup.exe");
        if (StartCommandLine(path.c_str(), "\"" + path + "\"", NULL, &process))
            watcher = new MessageBoxWatcher(process.dwProcessId);
    }
    ~LauncherProcess()
    {
        if (process.hProcess) {
            TerminateProcess(process.hProcess, 99);
            WaitForSingleObject(process.hProcess, 5000);
            CloseHandle(process.hProcess);
        }
        delete watcher;
    }
    bool Started() const { return watcher != NULL; }
    bool Running() const { return WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT; }
    DWORD Id() const { return process.dwProcessId; }
    // Waits for the end; the messages it showed, answered with OK.
    bool WaitForEnd(DWORD timeoutMs)
    {
        if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0)
            return false;
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hProcess);
        process.hProcess = NULL;
        watcher->Stop();
        return true;
    }
    std::vector<std::string> Texts() { return watcher->Texts(); }
    DWORD ExitCode() const { return exitCode; }

private:
    PROCESS_INFORMATION process;
    MessageBoxWatcher *watcher;
    DWORD exitCode;
};

static bool WaitForTimeline(const Medium &medium, const std::string &line, DWORD timeoutMs)
{
    DWORD begun = GetTickCount();
    for (;;) {
        for (const std::string &seen : StubTimeline(medium.RecordPath(), medium.Folder()))
            if (seen == line)
                return true;
        if (GetTickCount() - begun > timeoutMs)
            return false;
        Sleep(20);
    }
}

// The launcher's own dialog, of the given process.
static HWND LauncherDialogOf(DWORD processId)
{
    HWND window = NULL;
    while ((window = FindWindowExA(NULL, window, "#32770", "tollgate")) != NULL) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId)
            return window;
    }
    return NULL;
}

class Install : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(TunerUnplugAll());
        DeleteRegistryValue(HKEY_LOCAL_MACHINE, nativeKey, "FinishInstall");
    }
    void TearDown() override
    {
        TunerUnplugAll();
        RestoreSystem();
        UnregisterPackageHandler();
        DeleteRegistryValue(HKEY_LOCAL_MACHINE, nativeKey, "FinishInstall");
        EndStrayInstallers();
    }
};

// A confirmation that is still there at the next tick is clicked again; how often depends on
// how fast the installer closes it, so repeats of the same click count once.
static Lines WithoutRepeatedClicks(const Lines &record)
{
    Lines result;
    for (size_t i = 0; i < record.size(); ++i) {
        bool repeat = i >= 3 && result.size() >= 3 && record[i].compare(0, 5, "down ") == 0 && i + 2 < record.size() &&
                      record[i] == result[result.size() - 3] && record[i + 1] == result[result.size() - 2] &&
                      record[i + 2] == result[result.size() - 1];
        if (repeat) {
            i += 2;
            continue;
        }
        result.push_back(record[i]);
    }
    return result;
}

TEST_F(Install, UnattendedFromTheDriverSetupToTheInstallersClose)
{
    Medium medium("unattended");
    medium.AddLauncher();
    // The driver setup runs until the test lets it end, then reports completion.
    medium.AddStub("XP_x86\\SetupDrv.exe",
                   "WaitForFile=" + medium.Path("release") + "\r\nFinishInstall=dword:1\r\n");
    medium.AddStub("tools\\player.exe");
    ASSERT_TRUE(CopyProgram("hotfixstub.exe", medium.Path("installer\\hotfixstub.exe")));
    RegisterPackageHandler(medium.Path("installer\\hotfixstub.exe"));
    HotfixInstaller package(medium, "updates\\Windows5.1-KB1.msu", "confirm\r\nprogress 1500\r\n");
    medium.WriteSettings("[Const]\r\nCheckFinishInstall=1\r\nEnableTimer=1\r\nWaitTimer=50\r\n"
                         "AnotherAPNum=2\r\nAnotherAPXPx86Exe0=tools\\player.exe\r\n"
                         "AnotherAPXPx86Exe1=updates\\Windows5.1-KB1.msu\r\n");
    ASSERT_TRUE(TunerPlug(1, TUNER_CATEGORY_VIDEO, "USB Alder Device", 1));
    TunerSetRegister(1, 8, 0x50);
    TunerSetFaults(1, 0);
    TunerResetCounters(1);
    PoseAs("Setup.exe", "winxp", false);

    LauncherProcess launcher(medium);
    ASSERT_TRUE(launcher.Started());
    ASSERT_TRUE(WaitForTimeline(medium, "start XP_x86\\SetupDrv.exe", 20000));
    // The device is left alone while the driver setup runs.
    EXPECT_TRUE(launcher.Running());
    EXPECT_EQ(0u, TunerGetCounter(1, "StatusReads") + TunerGetCounter(1, "I2CReads"));
    medium.WriteFile("release", "");

    // While the installer works, the launcher waits hidden.
    ASSERT_TRUE(package.WaitForCount("show progress", 1, 20000));
    HWND dialog = LauncherDialogOf(launcher.Id());
    ASSERT_TRUE(dialog != NULL);
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_TRUE(launcher.Running());

    ASSERT_TRUE(launcher.WaitForEnd(20000));
    EXPECT_EQ(0u, launcher.ExitCode());
    EXPECT_EQ((Lines{ "Please Re-Plugin the USB device on your computer." }), launcher.Texts());
    EXPECT_EQ(0xD0u, TunerGetRegister(1, 8));
    EXPECT_EQ(1u, TunerGetCounter(1, "I2CWrites"));
    EXPECT_EQ((Lines{ "start XP_x86\\SetupDrv.exe", "end XP_x86\\SetupDrv.exe", "start tools\\player.exe",
                      "end tools\\player.exe" }),
              StubTimeline(medium.RecordPath(), medium.Folder()));

    // The shell started the installer on the package, with the parameter text; the launcher
    // confirmed it and closed the progress window once Close had appeared.
    ASSERT_TRUE(package.WaitForCount("end 0", 1));
    EXPECT_NE(std::string::npos, package.StartLine().find("\"" + package.PackagePath() + "\" 0"))
        << package.StartLine();
    EXPECT_EQ((Lines{ "show confirm", "down confirm OK 1 0 posted", "up confirm OK 0 0 posted",
                      "click confirm OK", "done confirm", "show progress", "ready progress",
                      "down progress Close 1 0 posted", "up progress Close 0 0 posted",
                      "click progress Close", "done progress", "end 0" }),
              WithoutRepeatedClicks(package.Record()));
}

// The exit code tells a deployment script what happened (bits, documented in the README).
struct ExitCase {
    const char *name;
    std::string settings;     // after [Const]
    const char *driverPlan;   // of XP_x86\SetupDrv.exe
    bool presetFinished;      // FinishInstall already 1 before the run
    bool packageHandler;
    DWORD exitCode;
};

class ExitCodes : public ::testing::TestWithParam<ExitCase> {
protected:
    void SetUp() override { DeleteRegistryValue(HKEY_LOCAL_MACHINE, nativeKey, "FinishInstall"); }
    void TearDown() override
    {
        RestoreSystem();
        UnregisterPackageHandler();
        DeleteRegistryValue(HKEY_LOCAL_MACHINE, nativeKey, "FinishInstall");
    }
};

TEST_P(ExitCodes, SayWhatHappened)
{
    const ExitCase &c = GetParam();
    Medium medium(std::string("exit ") + c.name);
    medium.AddLauncher();
    medium.AddStub("XP_x86\\SetupDrv.exe", c.driverPlan);
    medium.AddStub("a.exe");
    medium.AddStub("handler.exe");
    medium.WriteFile("fix.msu", "package");
    if (c.packageHandler)
        RegisterPackageHandler(medium.Path("handler.exe"));
    if (c.presetFinished)
        SetRegistryDword(HKEY_LOCAL_MACHINE, nativeKey, "FinishInstall", 1);
    medium.WriteSettings("[Const]\r\n" + c.settings);
    PoseAs("Setup.exe", "winxp", false);
    LauncherRun run = RunLauncher(medium);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(c.exitCode, run.exitCode);
}

// An entry and a parameter text of 255 characters each: more than a command line holds.
static const std::string tooLong = "CheckFinishInstall=1\r\nAnotherAPNum=1\r\nAnotherAPXPx86Exe0="
                                   + std::string(255, 'n') + "\r\nLaunchAnotherAPParam="
                                   + std::string(255, 'p') + "\r\n";

INSTANTIATE_TEST_SUITE_P(Launcher, ExitCodes, ::testing::Values(
    ExitCase{ "everything started",
              "CheckFinishInstall=1\r\nAnotherAPNum=2\r\nAnotherAPXPx86Exe0=a.exe\r\nAnotherAPXPx86Exe1=fix.msu\r\n",
              "FinishInstall=dword:1\r\n", false, true, 0 },
    ExitCase{ "no driver setup", "SetupXPx86Exe=\r\n", "", false, false, 1 },
    ExitCase{ "driver setup missing", "SetupXPx86Exe=gone.exe\r\n", "", false, false, 2 },
    ExitCase{ "program missing",
              "CheckFinishInstall=1\r\nAnotherAPNum=2\r\nAnotherAPXPx86Exe0=gone.exe\r\nAnotherAPXPx86Exe1=a.exe\r\n",
              "FinishInstall=dword:1\r\n", false, false, 2 },
    ExitCase{ "package refused",
              "CheckFinishInstall=1\r\nAnotherAPNum=1\r\nAnotherAPXPx86Exe0=fix.msu\r\n",
              "FinishInstall=dword:1\r\n", false, false, 2 },
    ExitCase{ "command line too long", tooLong, "FinishInstall=dword:1\r\n", false, false, 4 },
    ExitCase{ "completion not reported",
              "CheckFinishInstall=1\r\nAnotherAPNum=1\r\nAnotherAPXPx86Exe0=a.exe\r\n", "", false, false, 8 },
    ExitCase{ "no driver setup and a program missing",
              "SetupXPx86Path=\r\nCheckFinishInstall=1\r\nAnotherAPNum=1\r\nAnotherAPXPx86Exe0=gone.exe\r\n",
              "", true, false, 1 | 2 }),
    [](const ::testing::TestParamInfo<ExitCase> &info) {
        std::string name = info.param.name;
        for (char &c : name)
            if (c == ' ')
                c = '_';
        return name;
    });

// Runs the probe from folder with the current folder cwd; its exit code.
static DWORD RunProbe(const std::string &folder, const std::string &cwd, const std::string &arguments)
{
    std::string program = folder + "\\tollgate_dllprobe.exe";
    PROCESS_INFORMATION process;
    if (!StartCommandLine(program.c_str(), "\"" + program + "\" " + arguments, cwd.c_str(), &process))
        return (DWORD)-1;
    DWORD code = (DWORD)-1;
    if (WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    else
        TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hProcess);
    return code;
}

enum { PLANTED_LOADED = 10, SYSTEM_LOADED = 11, NOTHING_LOADED = 12 };

// A name Wine has no DLL of: Wine prefers its own DLLs to planted ones of the same name,
// and on Windows the system folder would not hold this one either.
static const char plantedName[] = "tollgate-planted.dll";

TEST(DllSearch, ADllPlantedBesideTheLauncherIsNotLoaded)
{
    Medium medium("planted");
    ASSERT_TRUE(CopyProgram("tollgate_dllprobe.exe", medium.Path("tollgate_dllprobe.exe")));
    ASSERT_TRUE(CopyProgram("tollgate_planted.dll", medium.Path(plantedName)));
    // Without the restriction the planted one is taken: the test can tell.
    EXPECT_EQ((DWORD)PLANTED_LOADED, RunProbe(medium.Folder(), "C:\\", std::string("none ") + plantedName));
    EXPECT_EQ((DWORD)NOTHING_LOADED, RunProbe(medium.Folder(), "C:\\", std::string("restrict ") + plantedName));
}

// Under Wine SetDllDirectoryA("") keeps the current folder in the search (Windows leaves it
// out), so only the restriction to the system folder is proven here; the fallback's choice
// is a Win32 test (Hardening).
TEST(DllSearch, ADllPlantedInTheCurrentFolderIsNotLoaded)
{
    Medium program("planted program"), current("planted current");
    ASSERT_TRUE(CopyProgram("tollgate_dllprobe.exe", program.Path("tollgate_dllprobe.exe")));
    ASSERT_TRUE(CopyProgram("tollgate_planted.dll", current.Path(plantedName)));
    EXPECT_EQ((DWORD)PLANTED_LOADED, RunProbe(program.Folder(), current.Folder(), std::string("none ") + plantedName));
    EXPECT_EQ((DWORD)NOTHING_LOADED, RunProbe(program.Folder(), current.Folder(), std::string("restrict ") + plantedName));
}
