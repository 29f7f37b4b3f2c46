// The medium checker against Setup.exe itself: for each medium of one table and each class
// of Windows, what the checker foresees is what Setup.exe then does under Wine, as the
// stand-ins and the device saw it.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "mediacheck/medium_check.h"
#include "mediacheck/medium_report.h"
#include "tollgate_e2e.h"
#include "tuner_control.h"
#include "tuner_device.h"
#include "win_support.h"

typedef std::vector<std::string> Lines;

struct MediumCase {
    std::string name;
    std::string settings;          // Setting.ini; none when empty
    Lines programs;                // stand-in programs, relative to the medium
    Lines packages;                // hotfix packages: the installer stand-in shows a notice
    Lines documents = {};          // files that are no program
    Lines programs64 = {};         // the stand-in built for 64-bit Windows
    bool cleanMachine = false;     // run where no earlier installation left FinishInstall
};

static const char *const everyDriverSetup[] = { "XP_x86\\SetupDrv.exe", "XP_x64\\SetupDrv.exe",
                                                "Vista_x86\\SetupDrv.exe", "Vista_x64\\SetupDrv.exe" };

static Lines WithDriverSetups(Lines programs)
{
    programs.insert(programs.begin(), std::begin(everyDriverSetup), std::end(everyDriverSetup));
    return programs;
}

static std::string Noise(unsigned state)
{
    std::string noise;
    for (int i = 0; i < 16 * 1024; ++i) {
        state = state * 1103515245u + 12345u;
        noise += (char)(state >> 16);
    }
    return noise;
}

// The launcher's own test media first, then broken ones.
static const std::vector<MediumCase> media = {
    { "default", "", WithDriverSetups({}), {} },
    { "moved driver", "[Const]\r\nSetupXPx86Path=Drivers\\XP\r\nSetup=Tuner\r\n",
      { "Drivers\\XP\\SetupDrv.exe" }, {} },
    // A blank and a letter beyond ASCII in the medium's own name too.
    { "blanks M\xe9" "dium", "[Const]\r\nSetupXPx64Path=XP x64 drivers\r\nSetupXPx64Exe=Setup Drv.exe\r\n"
                "CheckFinishInstall=1\r\nAnotherAPNum=1\r\nAnotherAPXPx64Exe0=tools\\My Player.exe\r\n",
      WithDriverSetups({ "XP x64 drivers\\Setup Drv.exe", "tools\\My Player.exe" }), {} },
    { "programs and packages", "[Const]\r\nCheckFinishInstall=1\r\nAnotherAPNum=3\r\n"
                               "AnotherAPVistax64Exe0=first.exe\r\n"
                               "AnotherAPVistax64Exe1=updates\\Windows6.0-KB1.msu\r\n"
                               "AnotherAPVistax64Exe2=second.exe\r\nLaunchAnotherAPParam=/quiet\r\n",
      WithDriverSetups({ "first.exe", "second.exe" }), { "updates\\Windows6.0-KB1.msu" } },
    { "no completion check", "[Const]\r\nAnotherAPNum=5\r\nAnotherAPXPx86Exe0=first.exe\r\n",
      WithDriverSetups({ "first.exe" }), {} },
    { "device byte", "[Const]\r\nEnableAudioClass=1\r\nRePlugin=Plug it again\r\n", WithDriverSetups({}), {} },
    { "no setup path", "[Const]\r\nSetupXPx64Path=\r\n", WithDriverSetups({}), {} },
    { "installer watched", "[Const]\r\nCheckFinishInstall=1\r\nEnableTimer=1\r\nWaitTimer=50\r\n"
                           "AnotherAPNum=2\r\nAnotherAPXPx86Exe0=tools\\player.exe\r\n"
                           "AnotherAPXPx86Exe1=updates\\Windows5.1-KB1.msu\r\n",
      WithDriverSetups({ "tools\\player.exe" }), { "updates\\Windows5.1-KB1.msu" } },
    { "everything per class", "[Const]\r\nCheckFinishInstall=1\r\nAnotherAPNum=2\r\nAnotherAPXPx86Exe0=a.exe\r\n"
                              "AnotherAPXPx86Exe1=fix.msu\r\nAnotherAPXPx64Exe0=fix.msu\r\n"
                              "AnotherAPVistax86Exe1=a.exe\r\nAnotherAPVistax64Exe0=a.exe\r\n"
                              "AnotherAPVistax64Exe1=a.exe\r\n",
      WithDriverSetups({ "a.exe" }), { "fix.msu" } },
    { "too long", "[Const]\r\nCheckFinishInstall=1\r\nAnotherAPNum=1\r\nAnotherAPXPx86Exe0=" + std::string(255, 'n')
                      + "\r\nLaunchAnotherAPParam=" + std::string(255, 'p') + "\r\n",
      WithDriverSetups({}), {} },
    { "random bytes", Noise(77), WithDriverSetups({}), {} },
    { "long lines", std::string(100000, 'j') + "\r\n[Const]\r\nSetupVistax86Path=" + std::string(5000, 'L')
                        + "\r\nSetupVistax86Exe=" + std::string(5000, 'L') + "\r\n",
      WithDriverSetups({}), {} },
    { "misspelt and odd", "[const]\r\nCheckFinishInstall=1\r\nAnotherAPNum=7\r\nAnotherAPXPx86Exe1=fix.MSU\r\n"
                          "AnotherAPXPx86Exe2=a.exe\r\nAnotherAPXPx64Exe0=a.exe\r\nEnableTimer=1\r\n"
                          "WaitTimer=-5\r\nEnableAudioClass=yes\r\nEnableAudioClas=1\r\n"
                          "AnotherAPVistax86Exe0=upd\\fix.msu\r\n",
      WithDriverSetups({ "fix.MSU", "a.exe" }), { "upd\\fix.msu" } },
    { "missing", "[Const]\r\nCheckFinishInstall=1\r\nAnotherAPNum=2\r\nAnotherAPXPx86Exe0=gone.exe\r\n"
                 "AnotherAPXPx86Exe1=a.exe\r\nAnotherAPVistax64Exe0=gone.msu\r\nAnotherAPVistax64Exe1=a.exe\r\n",
      { "XP_x86\\SetupDrv.exe", "Vista_x64\\SetupDrv.exe", "a.exe" }, {} },
    { "no const section", "[Other]\r\nSetupXPx86Path=nowhere\r\n", WithDriverSetups({}), {} },
    // Setup.exe's own path fits, its Setting.ini's does not; no program of it can exist.
    { std::string(222, 'f'), "[Const]\r\nSetupXPx86Path=elsewhere\r\n", {}, {} },
    { "documents", "[Const]\r\nCheckFinishInstall=1\r\nAnotherAPNum=2\r\nAnotherAPXPx86Exe0=readme.msi\r\n"
                   "AnotherAPXPx86Exe1=a.exe\r\nAnotherAPVistax64Exe0=notes.txt\r\nAnotherAPVistax86Exe0=fix.MSU\r\n",
      WithDriverSetups({ "a.exe" }), {}, { "readme.msi", "notes.txt", "fix.MSU" } },
    { "own parameters", "[Const]\r\nSetupXPx86Exe=SetupDrv.exe /S\r\nSetupVistax86Exe=SetupDrv /S /v\r\n"
                        "CheckFinishInstall=1\r\nAnotherAPNum=2\r\nAnotherAPXPx86Exe0=Redist\\vcredist_x86.exe /q\r\n"
                        "AnotherAPXPx64Exe0=tools\\My Player /x\r\nAnotherAPVistax64Exe0=fix.msu /quiet\r\n"
                        "AnotherAPVistax64Exe1=gone.exe /q\r\nLaunchAnotherAPParam=/norestart\r\n",
      WithDriverSetups({ "Redist\\vcredist_x86.exe", "tools\\My Player.exe" }), { "fix.msu" } },
    { "64-bit program", "[Const]\r\nCheckFinishInstall=1\r\nAnotherAPNum=2\r\nAnotherAPXPx86Exe0=wide.exe\r\n"
                        "AnotherAPXPx86Exe1=a.exe\r\nAnotherAPVistax86Exe0=wide.exe\r\n",
      WithDriverSetups({ "a.exe" }), {}, {}, { "wide.exe" } },
    { "no driver setups, clean", "[Const]\r\nSetupXPx86Path=\r\nSetupXPx64Exe=\r\nSetupVistax86Path=\r\n"
                                 "SetupVistax64Exe=\r\nCheckFinishInstall=1\r\nAnotherAPNum=1\r\nAnotherAPXPx86Exe0=a.exe\r\n"
                                 "AnotherAPXPx64Exe0=a.exe\r\nAnotherAPVistax86Exe0=a.exe\r\nAnotherAPVistax64Exe0=a.exe\r\n",
      { "a.exe" }, {}, {}, {}, true },
};

static bool FileExists(const std::string &path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Whether this Wine prefix runs 64-bit programs, and 32-bit ones (a 64-bit prefix made
// where 32-bit code cannot run has no WoW64 half).
static bool PrefixRuns64(void)
{
    BOOL wow64 = FALSE;
    return sizeof(void *) == 8 || (IsWow64Process(GetCurrentProcess(), &wow64) && wow64);
}

static bool PrefixRuns32(void)
{
    char folder[MAX_PATH];
    return sizeof(void *) == 4 || (GetSystemWow64DirectoryA(folder, sizeof folder) != 0
                                   && FileExists(std::string(folder) + "\\kernel32.dll"));
}

// The stand-in of this build, or of the build for the other processor beside it.
static std::string StubOf(bool x64)
{
    if ((sizeof(void *) == 8) == x64)
        return ModuleFolder() + "setupstub.exe";
    std::string other = ModuleFolder() + "..\\..\\" + (x64 ? "x86_64" : "i686") + "\\bin\\setupstub.exe";
    return FileExists(other) && (x64 ? PrefixRuns64() : PrefixRuns32()) ? other : "";
}

static void AddStubFrom(const Medium &medium, const std::string &stub, const std::string &relative)
{
    std::string target = medium.Path(relative);
    medium.WriteFile(relative + ".plan", "[stub]\r\n");
    ASSERT_TRUE(CopyFileA(stub.c_str(), target.c_str(), FALSE)) << stub << " to " << target;
}

static bool StartsA64BitProgram(const ClassPlan &plan)
{
    bool wide = plan.driverKind == FILE_PROGRAM_X64;
    for (int i = 0; i < plan.furtherCount; ++i)
        wide |= plan.further[i].kind == FILE_PROGRAM_X64;
    return wide;
}

struct PosedClass {
    const char *wineVersion;
    bool x64;
};

// In the order of the checker's report: XP 32-bit, XP 64-bit, Vista 32-bit, Vista 64-bit.
static const PosedClass posed[CLASS_COUNT] = { { "winxp", false }, { "winxp64", true },
                                               { "vista", false }, { "vista", true } };

static const char nativeKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
static const char wowKey[] = "SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion";

// Completion left by an earlier installation, as the checker's first figure assumes, or
// none, as on a clean machine.
static void SetFinishInstall(bool left)
{
    for (const char *key : { nativeKey, wowKey }) {
        if (left)
            SetRegistryDword(HKEY_LOCAL_MACHINE, key, "FinishInstall", 1);
        else
            DeleteRegistryValue(HKEY_LOCAL_MACHINE, key, "FinishInstall");
    }
}

class Agreement : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(TunerUnplugAll());
        ASSERT_TRUE(TunerPlug(1, TUNER_CATEGORY_RECEIVER, "USB Alder Device", 1));
        RegisterPackageHandler(ModuleFolder() + "hotfixstub.exe");
        // Completion reported, as the checker's prediction assumes.
        SetRegistryDword(HKEY_LOCAL_MACHINE, nativeKey, "FinishInstall", 1);
        SetRegistryDword(HKEY_LOCAL_MACHINE, wowKey, "FinishInstall", 1);
    }
    void TearDown() override
    {
        EndStrayInstallers();
        TunerUnplugAll();
        RestoreSystem();
        UnregisterPackageHandler();
        DeleteRegistryValue(HKEY_LOCAL_MACHINE, nativeKey, "FinishInstall");
        DeleteRegistryValue(HKEY_LOCAL_MACHINE, wowKey, "FinishInstall");
    }
};

TEST_F(Agreement, TheCheckerForeseesWhatSetupDoesOnEveryClass)
{
    // 32-bit programs run on every class, so the 32-bit stand-in serves wherever the prefix
    // runs it.
    std::string stub32 = StubOf(false), stub64 = StubOf(true);
    std::string stub = stub32.empty() ? ModuleFolder() + "setupstub.exe" : stub32;
    for (const MediumCase &m : media) {
        if (!m.programs64.empty() && stub64.empty()) {
            std::cout << "[ SKIPPED  ] " << m.name << ": no 64-bit stand-in runs here\n";
            continue;
        }
        Medium medium("agree " + m.name);
        medium.AddLauncher();
        for (const std::string &program : m.programs)
            AddStubFrom(medium, stub, program);
        for (const std::string &program : m.programs64)
            AddStubFrom(medium, stub64, program);
        for (const std::string &package : m.packages)
            medium.WriteFile(package, "notice\r\n");
        for (const std::string &document : m.documents)
            medium.WriteFile(document, "not a program\r\n");
        if (!m.settings.empty())
            medium.WriteSettings(m.settings);
        char reason[600];
        ASSERT_TRUE(CheckMedium(medium.Folder().c_str(), reason, sizeof reason)) << reason;
        const MediumReport report = mediumReport;

        for (int c = 0; c < CLASS_COUNT; ++c) {
            const ClassPlan &plan = report.classes[c];
            std::string where = m.name + ", " + ClassTitle(plan);
            // A prefix runs 64-bit programs or not whatever class it poses as.
            if (StartsA64BitProgram(plan) && PrefixRuns64() != posed[c].x64)
                continue;
            // Windows XP has no handler for packages; Vista's is the installer.
            if (plan.isVista)
                RegisterPackageHandler(ModuleFolder() + "hotfixstub.exe");
            else
                UnregisterPackageHandler();
            SetFinishInstall(!m.cleanMachine);
            DeleteFileA(medium.RecordPath().c_str());
            for (const std::string &package : m.packages)
                DeleteFileA((medium.Path(package) + ".record").c_str());
            TunerSetRegister(1, 8, plan.byteFrom);
            PoseAs("Setup.exe", posed[c].wineVersion, posed[c].x64);
            LauncherRun run = RunLauncher(medium);
            ASSERT_TRUE(run.ended) << where;
            EXPECT_EQ((DWORD)(m.cleanMachine ? plan.cleanExitCode : plan.exitCode), run.exitCode) << where;

            // Programs one after the other, each to its end and with its command line;
            // packages to the installer.
            Lines programs, commandLines, packages, clickedThrough;
            if (plan.driverStarts) {
                std::string exe = RelativeTo(medium.Folder(), plan.driverProgram);
                programs = { "start " + exe, "end " + exe };
                commandLines = { plan.driverCommandLine };
            }
            for (int i = 0; i < plan.furtherCount && (!m.cleanMachine || plan.cleanRunsFurther); ++i) {
                const FurtherPlan &f = plan.further[i];
                if (!f.starts)
                    continue;
                std::string exe = RelativeTo(medium.Folder(), f.file);
                if (f.isPackage) {
                    packages.push_back(exe);
                } else {
                    programs.push_back("start " + exe);
                    programs.push_back("end " + exe);
                    commandLines.push_back(f.commandLine);
                }
            }
            EXPECT_EQ(programs, StubTimeline(medium.RecordPath(), medium.Folder())) << where;
            Lines started;
            for (const StubEvent &event : ReadStubRecord(medium.RecordPath()))
                if (event.start)
                    started.push_back(event.cmd);
            EXPECT_EQ(commandLines, started) << where;

            for (const std::string &package : m.packages) {
                std::string path = medium.Path(package);
                bool handed = std::find(packages.begin(), packages.end(), package) != packages.end();
                if (handed) {
                    HotfixInstaller installer(path);
                    EXPECT_TRUE(installer.WaitForCount("show", 1)) << where << ": " << package;
                    // Clicked only by a launcher that stayed to watch: it has ended now.
                    if (plan.waitsForInstaller)
                        EXPECT_TRUE(installer.WaitForCount("click notice OK", 1)) << where;
                    else
                        EXPECT_EQ(0, installer.Count("click notice OK")) << where;
                } else {
                    EXPECT_EQ(0, HotfixInstaller(path).Count("show")) << where << ": " << package;
                }
            }
            EndStrayInstallers();

            DWORD byte = TunerGetRegister(1, 8);
            EXPECT_EQ(plan.checksByte ? plan.byteTo : plan.byteFrom, byte) << where;
            Lines texts = run.Texts();
            bool rePlugShown = std::find(texts.begin(), texts.end(), report.settings.rePlugin) != texts.end();
            EXPECT_EQ((bool)plan.checksByte, rePlugShown) << where;
        }
    }
}
