// The medium checker against Setup.exe itself: for each medium of one table and each class
// of Windows, what the checker foresees is what Setup.exe then does under Wine, as the
// stand-ins and the device saw it.
#include <gtest/gtest.h>

#include <algorithm>
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
};

struct PosedClass {
    const char *wineVersion;
    bool x64;
};

// In the order of the checker's report: XP 32-bit, XP 64-bit, Vista 32-bit, Vista 64-bit.
static const PosedClass posed[CLASS_COUNT] = { { "winxp", false }, { "winxp64", true },
                                               { "vista", false }, { "vista", true } };

static const char nativeKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
static const char wowKey[] = "SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion";

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
    for (const MediumCase &m : media) {
        Medium medium("agree " + m.name);
        medium.AddLauncher();
        for (const std::string &program : m.programs)
            medium.AddStub(program);
        for (const std::string &package : m.packages)
            medium.WriteFile(package, "notice\r\n");
        if (!m.settings.empty())
            medium.WriteSettings(m.settings);
        char reason[600];
        ASSERT_TRUE(CheckMedium(medium.Folder().c_str(), reason, sizeof reason)) << reason;
        const MediumReport report = mediumReport;

        for (int c = 0; c < CLASS_COUNT; ++c) {
            const ClassPlan &plan = report.classes[c];
            std::string where = m.name + ", " + ClassTitle(plan);
            DeleteFileA(medium.RecordPath().c_str());
            for (const std::string &package : m.packages)
                DeleteFileA((medium.Path(package) + ".record").c_str());
            TunerSetRegister(1, 8, plan.byteFrom);
            PoseAs("Setup.exe", posed[c].wineVersion, posed[c].x64);
            LauncherRun run = RunLauncher(medium);
            ASSERT_TRUE(run.ended) << where;
            EXPECT_EQ((DWORD)plan.exitCode, run.exitCode) << where;

            // Programs one after the other, each to its end; packages to the installer.
            Lines programs, packages, clickedThrough;
            if (plan.runsDriverSetup && plan.driverFits && plan.driverFound) {
                std::string exe = RelativeTo(medium.Folder(), plan.driverProgram);
                programs = { "start " + exe, "end " + exe };
            }
            for (int i = 0; i < plan.furtherCount; ++i) {
                const FurtherPlan &f = plan.further[i];
                if (!f.fits || !f.found)
                    continue;
                std::string exe = RelativeTo(medium.Folder(), f.file);
                if (f.isPackage) {
                    packages.push_back(exe);
                } else {
                    programs.push_back("start " + exe);
                    programs.push_back("end " + exe);
                }
            }
            EXPECT_EQ(programs, StubTimeline(medium.RecordPath(), medium.Folder())) << where;

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
            bool rePlugShown = std::find(texts.begin(), texts.end(), report.rePlugin) != texts.end();
            EXPECT_EQ((bool)plan.checksByte, rePlugShown) << where;
        }
    }
}
