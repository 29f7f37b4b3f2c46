// Any Setting.ini through the launcher's reading and planning in one process: generated files
// (setting_ini_generator.h) must not crash it, and nothing may be planned that the file did
// not name: every planned program lies under the medium folder, and its folder, program or
// entry is a default or text of the file, under a key the file holds. SETTING_FUZZ_FILES and
// SETTING_FUZZ_SEED set the run (10,000 files by default).
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <algorithm>
#include <string>

#include "mediacheck/class_plan.h"
#include "mediacheck/medium_report.h"
#include "medium/launcher_settings.h"
#include "setting_ini_generator.h"
#include "tollgate_support.h"

static unsigned long Setting(const char *name, unsigned long fallback)
{
    const char *text = getenv(name);
    return text && *text ? strtoul(text, NULL, 10) : fallback;
}

static std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](char c) { return (char)tolower((unsigned char)c); });
    return text;
}

struct Verdict {
    std::string fault;
    void Check(bool holds, const std::string &what)
    {
        if (!holds && fault.empty())
            fault = what;
    }
};

static bool Terminated(const char *text)
{
    return memchr(text, '\0', SETTING_TEXT_SIZE) != NULL;
}

// The value is its key's default, or text of the file.
static bool FromFileOrDefault(const std::string &value, const char *fallback, const std::string &text)
{
    return value == fallback || text.find(value) != std::string::npos;
}

static const char *const defaultPaths[CLASS_COUNT] = { "Vista_x64", "Vista_x86", "XP_x64", "XP_x86" };

// Returns how many planned programs it held against the file.
static int CheckClass(const std::string &folder, const std::string &text, const LauncherSettings &settings,
                      int isVista, int isX64, Verdict &v)
{
    int checked = 0;
    ClassPlan plan;
    PlanClass(folder.c_str(), settings, isVista, isX64, &plan);
    std::string under = folder + "\\";
    std::string lower = Lower(text);
    LauncherClass osClass = plan.osClass;
    std::string path = settings.setupPath[osClass], exe = settings.setupExe[osClass];
    if (plan.runsDriverSetup) {
        ++checked;
        v.Check(FromFileOrDefault(path, defaultPaths[osClass], text), "driver folder not from the file: " + path);
        v.Check(FromFileOrDefault(exe, "SetupDrv.exe", text), "driver program not from the file: " + exe);
        if (plan.driverFits)
            v.Check(std::string(plan.driverProgram).compare(0, under.size(), under) == 0,
                    std::string("driver program outside the medium: ") + plan.driverProgram);
    }
    v.Check(plan.furtherCount <= AnotherApCount(settings), "more further programs than AnotherAPNum");
    v.Check(plan.furtherCount == 0 || settings.checkFinishInstall != 0, "further programs without CheckFinishInstall");
    for (int i = 0; i < plan.furtherCount; ++i) {
        const FurtherPlan &f = plan.further[i];
        ++checked;
        v.Check(i == 0 || f.index > plan.further[i - 1].index, "further programs out of order");
        v.Check(lower.find(Lower(f.key)) != std::string::npos, std::string("further program under a key the file lacks: ") + f.key);
        v.Check(f.entry[0] && text.find(f.entry) != std::string::npos, std::string("further entry not from the file: ") + f.entry);
        if (f.fits) {
            std::string file = f.file;
            v.Check(file.compare(0, under.size(), under) == 0, "further program outside the medium: " + file);
            v.Check(text.find(file.substr(std::min(under.size(), file.size()))) != std::string::npos,
                    "further program not from the file: " + file);
        }
    }
    return checked;
}

TEST(SettingFuzz, GeneratedFilesReadAndPlanOnlyWhatTheyName)
{
    unsigned long files = Setting("SETTING_FUZZ_FILES", 10000);
    unsigned long seed = Setting("SETTING_FUZZ_SEED", 20261209);
    Medium medium("fuzz medium");
    unsigned long planned = 0, failed = 0;
    DWORD start = GetTickCount();
    LauncherSettings settings;
    for (unsigned long n = 0; n < files; ++n) {
        GeneratedIni ini = GenerateSettingIni((uint32_t)seed, (uint32_t)n);
        // A name per file: the profile functions keep recently read files.
        std::string name = "s" + std::to_string(n % 64) + "-" + std::to_string(n) + ".ini";
        medium.WriteFile(name, ini.bytes);
        std::string file = medium.Path(name);
        ReadSettingsFrom(file.c_str(), &settings);
        Verdict v;
        for (int c = 0; c < CLASS_COUNT; ++c) {
            v.Check(Terminated(settings.setupPath[c]) && Terminated(settings.setupExe[c]),
                    "a value without its end");
            for (int i = 0; i < ANOTHER_AP_LIMIT; ++i)
                v.Check(Terminated(settings.anotherAp[c][i]), "an entry without its end");
        }
        v.Check(AnotherApCount(settings) >= 0 && AnotherApCount(settings) <= ANOTHER_AP_LIMIT, "AnotherApCount out of range");
        for (int vista = 0; vista < 2; ++vista)
            for (int x64 = 0; x64 < 2; ++x64)
                planned += CheckClass(medium.Folder(), ini.text, settings, vista, x64, v);
        DeleteFileA(file.c_str());
        if (!v.fault.empty()) {
            ++failed;
            ADD_FAILURE() << "file " << n << " of seed " << seed << ": " << v.fault;
            if (failed >= 5)
                break;
        }
    }
    printf("Setting.ini generator: seed %lu, %lu files read and planned for four classes in %.1f s, "
           "%lu planned programs held against the file, %lu files that planned what they did not name, "
           "crashes 0\n",
           seed, files, (GetTickCount() - start) / 1000.0, planned, failed);
}
