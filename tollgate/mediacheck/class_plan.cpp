// The launcher flow's steps from the driver setup on, foreseen for one class.
#include "mediacheck/class_plan.h"

#include <windows.h>
#include <string.h>

#include "common/bounded_text.h"
#include "device/audio_class_rules.h"
#include "mediacheck/package_check.h"
#include "mediacheck/start_check.h"
#include "medium/launcher_paths.h"
#include "medium/medium_file.h"
#include "medium/msu_file.h"
#include "steps/driver_setup.h"
#include "steps/further_apps.h"
#include "steps/launch_outcome.h"
#include "steps/launcher_dialog_rules.h"
#include "steps/os_class_rules.h"

// Windows' ANSI calls (CreateProcess, the shell, GetFileAttributes) refuse a path of
// MAX_PATH characters or more: such a file is "not found" even where it lies.
static int ReportWindowsTooLong(const char *key, const char *path)
{
    size_t length = strlen(path);
    if (length < WINDOWS_PATH_LIMIT)
        return 0;
    AddProblem(PROBLEM_ERROR, key, "path too long for Windows: %s is %u characters, and Windows starts "
               "and finds no file of %d or more", path, (unsigned)length, WINDOWS_PATH_LIMIT);
    return 1;
}

// The exit code bits of the driver setup step.
static int PlanDriverSetup(const char *folder, const LauncherSettings &settings, ClassPlan *plan)
{
    const char *setupPath = settings.setupPath[plan->osClass];
    const char *setupExe = settings.setupExe[plan->osClass];
    plan->runsDriverSetup = setupPath[0] != '\0' && setupExe[0] != '\0';
    if (!plan->runsDriverSetup)
        return LAUNCH_NO_DRIVER_SETUP;
    char key[PROBLEM_SUBJECT_SIZE];
    FormatText(key, sizeof key, "%s, %s", SetupPathKey(plan->osClass), SetupExeKey(plan->osClass));
    plan->driverFits = DriverSetupCommandLine(folder, setupPath, setupExe, plan->driverCommandLine,
                                              sizeof plan->driverCommandLine);
    if (!plan->driverFits) {
        AddProblem(PROBLEM_ERROR, key, "the driver setup's command line for %s is longer than the "
                   "%d characters Setup.exe takes, so it is not run", ClassTitle(*plan),
                   COMMAND_LINE_SIZE - 1);
        return LAUNCH_TOO_LONG;
    }
    char setupFolder[COMMAND_LINE_SIZE];
    char program[ENTRY_PROGRAM_SIZE];
    char parameters[SETTING_TEXT_SIZE];
    FormatText(setupFolder, sizeof setupFolder, "%s\\%s", folder, setupPath);
    SplitEntry(setupFolder, setupExe, program, sizeof program, parameters, sizeof parameters);
    FormatText(plan->driverProgram, sizeof plan->driverProgram, "%s\\%s", setupFolder, program);
    if (ReportWindowsTooLong(key, plan->driverProgram))
        return LAUNCH_NOT_STARTED;
    plan->driverKind = FileKindOf(plan->driverProgram);
    plan->driverFound = plan->driverKind != FILE_MISSING;
    if (!plan->driverFound) {
        AddProblem(PROBLEM_ERROR, key, "the driver setup for %s, %s\\%s, is not on the medium",
                   ClassTitle(*plan), setupPath, setupExe);
        return LAUNCH_NOT_STARTED;
    }
    if (ReportUnstartable(key, program, plan->driverKind, *plan))
        return LAUNCH_NOT_STARTED;
    plan->driverStarts = 1;
    if (plan->driverKind == FILE_PROGRAM_X64 && settings.checkFinishInstall != 0)
        AddProblem(PROBLEM_WARNING, key, "%s is a 64-bit program: with CheckFinishInstall on, it must write "
                   "FinishInstall into the 32-bit registry view (Wow6432Node), the one Setup.exe reads",
                   program);
    return LAUNCH_OK;
}

struct FurtherContext {
    const char *folder;
    const char *parameter;       // LaunchAnotherAPParam
    ClassPlan *plan;
};

// Whether the entry's command line or file and parameters fit Setup.exe's buffers.
static int FurtherFits(const char *folder, const char *parameter, FurtherPlan &f)
{
    int fileFits = AnotherApFile(folder, f.program, f.file, sizeof f.file);
    if (f.isPackage)
        return fileFits && PackageParameters(f.ownParameters, parameter, f.parameters, sizeof f.parameters);
    return ProgramCommandLine(folder, f.program, f.ownParameters, parameter, f.commandLine, sizeof f.commandLine);
}

static int PlanFurther(int index, const char *entry, int, void *context)
{
    FurtherContext *c = (FurtherContext *)context;
    ClassPlan *plan = c->plan;
    FurtherPlan &f = plan->further[plan->furtherCount++];
    f.index = index;
    FormatText(f.key, sizeof f.key, "%s%d", AnotherApKeyBase(plan->osClass), index);
    CopyText(f.entry, sizeof f.entry, entry);
    SplitEntry(c->folder, entry, f.program, sizeof f.program, f.ownParameters, sizeof f.ownParameters);
    f.isPackage = IsMsuFile(f.program);
    f.fits = FurtherFits(c->folder, c->parameter, f);
    if (!f.fits) {
        AddProblem(PROBLEM_ERROR, f.key, "the %s for %s is longer than the %d characters "
                   "Setup.exe takes, so it is not started", f.isPackage ? "package's path" : "command line",
                   ClassTitle(*plan), COMMAND_LINE_SIZE - 1);
        return LAUNCH_TOO_LONG;
    }
    if (ReportWindowsTooLong(f.key, f.file))
        return LAUNCH_NOT_STARTED;
    f.kind = FileKindOf(f.file);
    f.found = f.kind != FILE_MISSING;
    if (!f.found) {
        // The shell refuses a missing package just as CreateProcess fails on a missing program.
        AddProblem(PROBLEM_ERROR, f.key, "%s is not on the medium", f.program);
        return LAUNCH_NOT_STARTED;
    }
    if (f.isPackage ? !PackageIsOpened(f, *plan) : ReportUnstartable(f.key, f.program, f.kind, *plan))
        return LAUNCH_NOT_STARTED;
    f.starts = 1;
    return LAUNCH_OK;
}

void PlanClass(const char *folder, const LauncherSettings &settings, int isVista, int isX64, ClassPlan *plan)
{
    ZeroMemory(plan, sizeof *plan);
    plan->isVista = isVista;
    plan->isX64 = isX64;
    plan->osClass = LauncherClassOf(isVista, isX64);
    int driverOutcome = folder ? PlanDriverSetup(folder, settings, plan) : LAUNCH_OK;
    plan->exitCode = driverOutcome;

    plan->checksByte = ChecksAudioClass(isVista, settings.enableAudioClass);
    AudioClassBytes(isVista, &plan->byteFrom, &plan->byteTo);

    plan->gatedByFinishInstall = settings.checkFinishInstall != 0;
    if (plan->gatedByFinishInstall && folder) {
        FurtherContext context = { folder, settings.launchAnotherAPParam, plan };
        plan->exitCode |= WalkFurtherApplications(settings, plan->osClass, PlanFurther, &context);
    }
    int packageHanded = 0;
    for (int i = 0; i < plan->furtherCount; ++i)
        packageHanded |= plan->further[i].isPackage && plan->further[i].starts;
    plan->waitsForInstaller = DialogStays(packageHanded, settings.enableTimer);
    plan->tickMs = LauncherTimerPeriod(settings.waitTimer);
    CheckInstallerOrder(*plan);

    plan->cleanExitCode = plan->exitCode;
    plan->cleanRunsFurther = plan->gatedByFinishInstall;
    if (plan->gatedByFinishInstall && !plan->driverStarts) {
        plan->cleanExitCode = driverOutcome | LAUNCH_NOT_FINISHED;
        plan->cleanRunsFurther = 0;
        if (!plan->runsDriverSetup && plan->furtherCount > 0)
            AddProblem(PROBLEM_WARNING, "CheckFinishInstall", "%s runs no driver setup, so its further "
                       "programs run only where an earlier installation left FinishInstall = 1 (exit %d on a "
                       "clean machine)", ClassTitle(*plan), plan->cleanExitCode);
    }
}
