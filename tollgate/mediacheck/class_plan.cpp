// The launcher flow's steps from the driver setup on, foreseen for one class.
#include "mediacheck/class_plan.h"

#include <windows.h>

#include "audio_class_rule.h"
#include "common/bounded_text.h"
#include "dialog_rules.h"
#include "further_apps.h"
#include "launch_outcome.h"
#include "launcher_paths.h"

static int IsFile(const char *path)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

static void PlanDriverSetup(const char *folder, ClassPlan *plan)
{
    const char *setupPath = launcherSettings.setupPath[plan->osClass];
    const char *setupExe = launcherSettings.setupExe[plan->osClass];
    plan->runsDriverSetup = setupPath[0] != '\0' && setupExe[0] != '\0';
    if (!plan->runsDriverSetup) {
        plan->exitCode |= LAUNCH_NO_DRIVER_SETUP;
        return;
    }
    char key[PROBLEM_SUBJECT_SIZE];
    FormatText(key, sizeof key, "%s, %s", SetupPathKey(plan->osClass), SetupExeKey(plan->osClass));
    plan->driverFits = SetupCommandLine(folder, setupPath, setupExe, plan->driverCommandLine,
                                        sizeof plan->driverCommandLine);
    FormatText(plan->driverProgram, sizeof plan->driverProgram, "%s\\%s\\%s", folder, setupPath,
               setupExe);
    if (!plan->driverFits) {
        plan->exitCode |= LAUNCH_TOO_LONG;
        AddProblem(PROBLEM_ERROR, key, "the driver setup's command line for %s is longer than the "
                   "%d characters Setup.exe takes, so it is not run", ClassTitle(*plan),
                   COMMAND_LINE_SIZE - 1);
        return;
    }
    plan->driverFound = IsFile(plan->driverProgram);
    if (!plan->driverFound) {
        plan->exitCode |= LAUNCH_NOT_STARTED;
        AddProblem(PROBLEM_ERROR, key, "the driver setup for %s, %s\\%s, is not on the medium",
                   ClassTitle(*plan), setupPath, setupExe);
    }
}

struct FurtherContext {
    const char *folder;
    ClassPlan *plan;
};

static int PlanFurther(int index, const char *entry, int isPackage, void *context)
{
    FurtherContext *c = (FurtherContext *)context;
    ClassPlan *plan = c->plan;
    FurtherPlan &f = plan->further[plan->furtherCount++];
    f.index = index;
    FormatText(f.key, sizeof f.key, "%s%d", AnotherApKeyBase(plan->osClass), index);
    CopyText(f.entry, sizeof f.entry, entry);
    f.isPackage = isPackage;
    int fileFits = AnotherApFile(c->folder, entry, f.file, sizeof f.file);
    if (isPackage)
        f.fits = fileFits;
    else
        f.fits = AnotherApCommandLine(c->folder, entry, launcherSettings.launchAnotherAPParam,
                                      f.commandLine, sizeof f.commandLine);
    if (!f.fits) {
        AddProblem(PROBLEM_ERROR, f.key, "the %s for %s is longer than the %d characters "
                   "Setup.exe takes, so it is not started", isPackage ? "package's path" : "command line",
                   ClassTitle(*plan), COMMAND_LINE_SIZE - 1);
        return LAUNCH_TOO_LONG;
    }
    f.found = IsFile(f.file);
    if (!f.found) {
        // The shell refuses a missing package just as CreateProcess fails on a missing program.
        AddProblem(PROBLEM_ERROR, f.key, "%s is not on the medium", entry);
        return LAUNCH_NOT_STARTED;
    }
    return LAUNCH_OK;
}

void PlanClass(const char *folder, int isVista, int isX64, ClassPlan *plan)
{
    ZeroMemory(plan, sizeof *plan);
    plan->isVista = isVista;
    plan->isX64 = isX64;
    plan->osClass = LauncherClassOf(isVista, isX64);
    if (folder)
        PlanDriverSetup(folder, plan);

    plan->checksByte = ChecksAudioClass(isVista, launcherSettings.enableAudioClass);
    AudioClassBytes(isVista, &plan->byteFrom, &plan->byteTo);

    plan->gatedByFinishInstall = launcherSettings.checkFinishInstall != 0;
    if (plan->gatedByFinishInstall && folder) {
        FurtherContext context = { folder, plan };
        plan->exitCode |= WalkFurtherApplications(plan->osClass, PlanFurther, &context);
    }
    int packageHanded = 0;
    for (int i = 0; i < plan->furtherCount; ++i)
        if (plan->further[i].isPackage && plan->further[i].fits && plan->further[i].found)
            packageHanded = 1;
    plan->waitsForInstaller = DialogStays(packageHanded, launcherSettings.enableTimer);
    plan->tickMs = LauncherTimerPeriod(launcherSettings.waitTimer);
}
