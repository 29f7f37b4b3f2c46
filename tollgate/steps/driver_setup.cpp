// The driver setup step of the launcher flow.
#include "steps/driver_setup.h"

#include "common/bounded_text.h"
#include "medium/entry_split.h"
#include "medium/launcher_paths.h"
#include "medium/medium_file.h"
#include "steps/launch_outcome.h"
#include "steps/launcher_message.h"
#include "steps/run_and_wait.h"

int DriverSetupCommandLine(const char *folder, const char *setupPath, const char *setupExe,
                           char *commandLine, size_t size)
{
    char setupFolder[COMMAND_LINE_SIZE];
    char program[ENTRY_PROGRAM_SIZE];
    char parameters[SETTING_TEXT_SIZE];
    if (!FormatText(setupFolder, sizeof setupFolder, "%s\\%s", folder, setupPath)) {
        CopyTextShortened(commandLine, size, setupFolder);
        return 0;
    }
    SplitEntry(setupFolder, setupExe, program, sizeof program, parameters, sizeof parameters);
    return ProgramCommandLine(setupFolder, program, parameters, NULL, commandLine, size);
}

int RunDriverSetup(const char *folder, const LauncherSettings &settings, LauncherClass osClass)
{
    const char *setupPath = settings.setupPath[osClass];
    const char *setupExe = settings.setupExe[osClass];
    if (setupPath[0] == '\0' || setupExe[0] == '\0') {
        ShowLauncherMessage(settings.setup, settings.noSetupPath);
        return LAUNCH_NO_DRIVER_SETUP;
    }
    char commandLine[COMMAND_LINE_SIZE];
    if (!DriverSetupCommandLine(folder, setupPath, setupExe, commandLine, sizeof commandLine)) {
        ShowAboutText(settings.setup, "The driver setup's command line is too long, so it "
                      "was not run:", commandLine);
        return LAUNCH_TOO_LONG;
    }
    return RunAndWait(commandLine, settings.setup) ? LAUNCH_OK : LAUNCH_NOT_STARTED;
}
