// The driver setup step of the launcher flow.
#include "driver_setup.h"

#include "launcher_app.h"
#include "launcher_message.h"
#include "launcher_paths.h"
#include "launcher_settings.h"
#include "module_folder.h"
#include "os_class_rules.h"
#include "run_and_wait.h"

void RunDriverSetup(const char *folder)
{
    LauncherClass osClass = LauncherClassOf(launcherApp.isVista, launcherApp.isX64);
    const char *setupPath = launcherSettings.setupPath[osClass];
    const char *setupExe = launcherSettings.setupExe[osClass];
    if (setupPath[0] == '\0' || setupExe[0] == '\0') {
        ShowLauncherMessage(launcherSettings.noSetupPath);
        return;
    }
    char commandLine[COMMAND_LINE_SIZE];
    if (!SetupCommandLine(folder, setupPath, setupExe, commandLine, sizeof commandLine)) {
        ShowTooLong("The driver setup's command line is too long, so it was not run:", commandLine);
        return;
    }
    RunAndWait(commandLine);
}
