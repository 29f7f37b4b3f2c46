// The launcher's one pass: settings, classification, driver setup, device byte,
// completion check, further applications, dialog. The flow keeps the record; the steps
// get what they need and say what they did.
#include "launcher_app.h"

#include "audio_class.h"
#include "audio_class_rule.h"
#include "driver_setup.h"
#include "finish_install.h"
#include "further_apps.h"
#include "launch_outcome.h"
#include "launcher_dialog.h"
#include "launcher_message.h"
#include "launcher_settings.h"
#include "module_folder.h"
#include "os_class.h"
#include "os_class_rules.h"

LauncherApp launcherApp;

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
    int outcome = LAUNCH_OK;
    int folderKnown = folderResult == FOLDER_FOUND;
    char settingFile[SETTING_FILE_PATH_SIZE];
    if (!folderKnown) {
        UseDefaultSettings();
        ShowAboutText(launcherSettings.setup, FolderProblem(folderResult), folder);
        outcome |= LAUNCH_TOO_LONG;
    } else if (!ReadSettings(folder, settingFile)) {
        ShowAboutText(launcherSettings.setup, "The path of Setting.ini is too long, so it was not "
                      "read:", settingFile);
        outcome |= LAUNCH_TOO_LONG;
    }
    launcherApp.isVista = CheckVista();
    launcherApp.isX64 = CheckX64();
    LauncherClass osClass = LauncherClassOf(launcherApp.isVista, launcherApp.isX64);

    if (folderKnown)
        outcome |= RunDriverSetup(folder, osClass);

    if (ChecksAudioClass(launcherApp.isVista, launcherSettings.enableAudioClass)) {
        if (SwitchAudioClass(launcherApp.isVista))
            ShowLauncherMessage(launcherSettings.setup, launcherSettings.rePlugin);
    }

    launcherApp.finishInstall = ReadFinishInstall(launcherApp.isX64);
    if (launcherSettings.checkFinishInstall != 0 && !launcherApp.finishInstall)
        outcome |= LAUNCH_NOT_FINISHED;
    if (launcherApp.finishInstall && folderKnown)
        outcome |= RunFurtherApplications(folder, osClass, &launcherApp.msuLaunched);

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
