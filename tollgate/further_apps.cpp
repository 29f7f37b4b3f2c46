// Further applications: up to five entries per class, strictly one after the other.
#include "further_apps.h"

#include <windows.h>
#include <shellapi.h>

#include "launcher_app.h"
#include "launcher_message.h"
#include "launcher_paths.h"
#include "launcher_settings.h"
#include "module_folder.h"
#include "msu_file.h"
#include "os_class_rules.h"
#include "run_and_wait.h"

// The package is the shell's file and the parameter text its parameters: glued onto the
// file, the text would make the shell look for a file of that whole name.
static void LaunchHotfixPackage(const char *folder, const char *entry)
{
    char file[COMMAND_LINE_SIZE];
    if (!AnotherApFile(folder, entry, file, sizeof file)) {
        ShowTooLong("The path of this update package is too long, so it was not started:", file);
        return;
    }
    HINSTANCE result = ShellExecuteA(NULL, "open", file, launcherSettings.launchAnotherAPParam,
                                     NULL, SW_SHOW);
    // Refusals stay silent; the dialog only needs to know that one got through.
    if ((INT_PTR)result > 32)
        launcherApp.msuLaunched = 1;
}

static void RunProgram(const char *folder, const char *entry)
{
    char commandLine[COMMAND_LINE_SIZE];
    if (!AnotherApCommandLine(folder, entry, launcherSettings.launchAnotherAPParam, commandLine,
                              sizeof commandLine)) {
        ShowTooLong("This program's command line is too long, so it was not run:", commandLine);
        return;
    }
    RunAndWait(commandLine);
}

void RunFurtherApplications(const char *folder)
{
    LauncherClass osClass = LauncherClassOf(launcherApp.isVista, launcherApp.isX64);
    int count = AnotherApCount();
    for (int i = 0; i < count; ++i) {
        const char *entry = launcherSettings.anotherAp[osClass][i];
        if (entry[0] == '\0')
            continue;
        if (IsMsuFile(entry))
            LaunchHotfixPackage(folder, entry);
        else
            RunProgram(folder, entry);
    }
}
