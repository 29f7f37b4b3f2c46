// The launcher's one pass: settings, classification, driver setup, device byte,
// completion check, further applications, dialog. The flow keeps the record; the steps
// get what they need and say what they did.
#include "flow/launcher_app.h"

#include "device/audio_class.h"
#include "device/audio_class_rules.h"
#include "medium/launcher_settings.h"
#include "medium/module_folder.h"
#include "steps/driver_setup.h"
#include "steps/finish_install.h"
#include "steps/further_apps.h"
#include "steps/launch_outcome.h"
#include "steps/launcher_dialog.h"
#include "steps/launcher_message.h"
#include "steps/os_class.h"
#include "steps/os_class_rules.h"

// LauncherApp: what the run found out, kept by the flow alone; each run starts afresh.
struct LauncherApp {
    int isVista;         // Windows is in the Vista class
    int isX64;           // Windows is 64-bit
    int msuLaunched;     // a hotfix package was handed to the shell successfully
    int finishInstall;   // the driver setup reported completion in the registry
};

// What the message says when the launcher's own folder is not known.
static const char *FolderProblem(int folderResult)
{
    switch (folderResult) {
    case FOLDER_UNREADABLE:
        return "Windows did not tell the launcher its own path, so neither Setting.ini nor any "
               "program of the medium was used.";
    case FOLDER_NOT_A_PATH:
        return "The launcher's own path names no folder, so neither Setting.ini nor any program "
               "of the medium was used:";
    default:
        return "The launcher's own path is too long, so neither Setting.ini nor any program of "
               "the medium was used:";
    }
}

int LauncherFlow(const char *folder, int folderResult)
{
    LauncherApp launcherApp = {};
    LauncherSettings launcherSettings;
    int outcome = LAUNCH_OK;
    int folderKnown = folderResult == FOLDER_FOUND;
    char settingFile[SETTING_FILE_PATH_SIZE];
    if (!folderKnown) {
        UseDefaultSettings(&launcherSettings);
        ShowAboutText(launcherSettings.setup, FolderProblem(folderResult), folder);
        outcome |= LAUNCH_TOO_LONG;
    } else if (!ReadSettings(folder, &launcherSettings, settingFile)) {
        ShowAboutText(launcherSettings.setup, "The path of Setting.ini is too long, so it was not "
                      "read:", settingFile);
        outcome |= LAUNCH_TOO_LONG;
    }
    launcherApp.isVista = CheckVista();
    launcherApp.isX64 = CheckX64();
    LauncherClass osClass = LauncherClassOf(launcherApp.isVista, launcherApp.isX64);

    if (folderKnown)
        outcome |= RunDriverSetup(folder, launcherSettings, osClass);

    if (ChecksAudioClass(launcherApp.isVista, launcherSettings.enableAudioClass)
        && SwitchAudioClass(launcherApp.isVista))
        ShowLauncherMessage(launcherSettings.setup, launcherSettings.rePlugin);

    // The completion gate: further applications run only after a reported completion, and
    // only when the medium asks for the check at all.
    if (launcherSettings.checkFinishInstall != 0) {
        launcherApp.finishInstall = ReadFinishInstall(launcherApp.isX64);
        if (!launcherApp.finishInstall)
            outcome |= LAUNCH_NOT_FINISHED;
        else if (folderKnown)
            outcome |= RunFurtherApplications(folder, launcherSettings, osClass, &launcherApp.msuLaunched);
    }

    RunLauncherDialog(launcherApp.msuLaunched, launcherSettings.enableTimer,
                      launcherSettings.waitTimer);
    return outcome;
}

int LauncherStartUp(void)
{
    char folder[MODULE_PATH_SIZE];
    int folderResult = GetLauncherFolder(folder, sizeof folder);
    return LauncherFlow(folder, folderResult);
}
