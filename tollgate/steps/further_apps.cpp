// Further applications: up to five entries per class, strictly one after the other.
#include "steps/further_apps.h"

#include <windows.h>
#include <shellapi.h>

#include "medium/entry_split.h"
#include "medium/launcher_paths.h"
#include "medium/medium_file.h"
#include "medium/msu_file.h"
#include "steps/launch_outcome.h"
#include "steps/launcher_message.h"
#include "steps/run_and_wait.h"

struct FurtherRun {
    const char *folder;
    const LauncherSettings *settings;
    int *msuLaunched;
};

// The package is the shell's file and the parameter text its parameters: glued onto the
// file, the text would make the shell look for a file of that whole name.
static int LaunchHotfixPackage(const FurtherRun *run, const char *entry, const char *ownParameters)
{
    char file[COMMAND_LINE_SIZE];
    char parameters[COMMAND_LINE_SIZE];
    if (!AnotherApFile(run->folder, entry, file, sizeof file)
        || !PackageParameters(ownParameters, run->settings->launchAnotherAPParam, parameters,
                              sizeof parameters)) {
        ShowAboutText(run->settings->setup, "The path of this update package is too long, so it "
                      "was not started:", file);
        return LAUNCH_TOO_LONG;
    }
    HINSTANCE result = ShellExecuteA(NULL, "open", file, parameters, NULL, SW_SHOW);
    // Refusals stay silent; only the exit code tells of them.
    if ((INT_PTR)result <= 32)
        return LAUNCH_NOT_STARTED;
    *run->msuLaunched = 1;
    return LAUNCH_OK;
}

static int RunProgram(const FurtherRun *run, const char *program, const char *ownParameters)
{
    char commandLine[COMMAND_LINE_SIZE];
    if (!ProgramCommandLine(run->folder, program, ownParameters, run->settings->launchAnotherAPParam,
                            commandLine, sizeof commandLine)) {
        ShowAboutText(run->settings->setup, "This program's command line is too long, so it was "
                      "not run:", commandLine);
        return LAUNCH_TOO_LONG;
    }
    return RunAndWait(commandLine, run->settings->setup) ? LAUNCH_OK : LAUNCH_NOT_STARTED;
}

int WalkFurtherApplications(const LauncherSettings &settings, LauncherClass osClass, FurtherAppVisitor visit,
                            void *context)
{
    int outcome = 0;
    int count = AnotherApCount(settings);
    for (int i = 0; i < count; ++i) {
        const char *entry = settings.anotherAp[osClass][i];
        if (entry[0] == '\0')
            continue;
        outcome |= visit(i, entry, IsMsuFile(entry), context);
    }
    return outcome;
}

// The kind follows the program the value names, so that "fix.msu /quiet" is a package.
static int StartFurtherApplication(int, const char *entry, int, void *context)
{
    FurtherRun *run = (FurtherRun *)context;
    char program[ENTRY_PROGRAM_SIZE];
    char parameters[SETTING_TEXT_SIZE];
    SplitEntry(run->folder, entry, program, sizeof program, parameters, sizeof parameters);
    if (IsMsuFile(program))
        return LaunchHotfixPackage(run, program, parameters);
    return RunProgram(run, program, parameters);
}

int RunFurtherApplications(const char *folder, const LauncherSettings &settings, LauncherClass osClass,
                           int *msuLaunched)
{
    FurtherRun run = { folder, &settings, msuLaunched };
    return WalkFurtherApplications(settings, osClass, StartFurtherApplication, &run);
}
