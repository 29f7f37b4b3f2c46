// The driver setup step of the launcher flow.
#include "driver_setup.h"

#include "common/bounded_text.h"
#include "entry_split.h"
#include "launch_outcome.h"
#include "launcher_message.h"
#include "launcher_paths.h"
#include "launcher_settings.h"
#include "medium_file.h"
#include "run_and_wait.h"

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

int RunDriverSetup(const char *folder, LauncherClass osClass)
{
    const char *setupPath = launcherSettings.setupPath[osClass];
    const char *setupExe = launcherSettings.setupExe[osClass];
    if (setupPath[0] == '\0' || setupExe[0] == '\0') {
        ShowLauncherMessage(launcherSettings.setup, launcherSettings.noSetupPath);
        return LAUNCH_NO_DRIVER_SETUP;
    }
    char commandLine[COMMAND_LINE_SIZE];
    if (!DriverSetupCommandLine(folder, setupPath, setupExe, commandLine, sizeof commandLine)) {
        ShowAboutText(launcherSettings.setup, "The driver setup's command line is too long, so it "
                      "was not run:", commandLine);
        return LAUNCH_TOO_LONG;
    }
    return RunAndWait(commandLine, launcherSettings.setup) ? LAUNCH_OK : LAUNCH_NOT_STARTED;
}
