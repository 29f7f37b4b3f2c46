// Further applications: up to five entries per class, strictly one after the other.
#include "further_apps.h"

#include <windows.h>
#include <shellapi.h>

#include "entry_split.h"
#include "launch_outcome.h"
#include "launcher_message.h"
#include "launcher_paths.h"
#include "launcher_settings.h"
#include "medium_file.h"
#include "msu_file.h"
#include "run_and_wait.h"

// The package is the shell's file and the parameter text its parameters: glued onto the
// file, the text would make the shell look for a file of that whole name.
static int LaunchHotfixPackage(const char *folder, const char *entry, const char *ownParameters,
                               int *msuLaunched)
{
    char file[COMMAND_LINE_SIZE];
    char parameters[COMMAND_LINE_SIZE];
    if (!AnotherApFile(folder, entry, file, sizeof file)
        || !PackageParameters(ownParameters, launcherSettings.launchAnotherAPParam, parameters,
                              sizeof parameters)) {
        ShowAboutText(launcherSettings.setup, "The path of this update package is too long, so it "
                      "was not started:", file);
        return LAUNCH_TOO_LONG;
    }
    HINSTANCE result = ShellExecuteA(NULL, "open", file, parameters, NULL, SW_SHOW);
    // Refusals stay silent; only the exit code tells of them.
    if ((INT_PTR)result <= 32)
        return LAUNCH_NOT_STARTED;
    *msuLaunched = 1;
    return LAUNCH_OK;
}

static int RunProgram(const char *folder, const char *program, const char *ownParameters)
{
    char commandLine[COMMAND_LINE_SIZE];
    if (!ProgramCommandLine(folder, program, ownParameters, launcherSettings.launchAnotherAPParam,
                            commandLine, sizeof commandLine)) {
        ShowAboutText(launcherSettings.setup, "This program's command line is too long, so it was "
                      "not run:", commandLine);
        return LAUNCH_TOO_LONG;
    }
    return RunAndWait(commandLine, launcherSettings.setup) ? LAUNCH_OK : LAUNCH_NOT_STARTED;
}

int WalkFurtherApplications(LauncherClass osClass, FurtherAppVisitor visit, void *context)
{
    int outcome = 0;
    int count = AnotherApCount();
    for (int i = 0; i < count; ++i) {
        const char *entry = launcherSettings.anotherAp[osClass][i];
        if (entry[0] == '\0')
            continue;
        outcome |= visit(i, entry, IsMsuFile(entry), context);
    }
    return outcome;
}

struct FurtherRun {
    const char *folder;
    int *msuLaunched;
};

// The kind follows the program the value names, so that "fix.msu /quiet" is a package.
static int StartFurtherApplication(int, const char *entry, int, void *context)
{
    FurtherRun *run = (FurtherRun *)context;
    char program[ENTRY_PROGRAM_SIZE];
    char parameters[SETTING_TEXT_SIZE];
    SplitEntry(run->folder, entry, program, sizeof program, parameters, sizeof parameters);
    if (IsMsuFile(program))
        return LaunchHotfixPackage(run->folder, program, parameters, run->msuLaunched);
    return RunProgram(run->folder, program, parameters);
}

int RunFurtherApplications(const char *folder, LauncherClass osClass, int *msuLaunched)
{
    FurtherRun run = { folder, msuLaunched };
    return WalkFurtherApplications(osClass, StartFurtherApplication, &run);
}
