// The launcher's one pass: settings, classification, driver setup, device byte,
// completion check, further applications.
#include "launcher_app.h"

#include "audio_class.h"
#include "driver_setup.h"
#include "finish_install.h"
#include "further_apps.h"
#include "launcher_message.h"
#include "launcher_settings.h"
#include "module_folder.h"
#include "os_class.h"

LauncherApp launcherApp;

int LauncherStartUp(void)
{
    ReadSettings();
    launcherApp.isVista = CheckVista();
    launcherApp.isX64 = CheckX64();

    char folder[MODULE_PATH_SIZE];
    int haveFolder = GetLauncherFolder(folder, sizeof folder);
    if (haveFolder)
        RunDriverSetup(folder);
    else
        ShowTooLong("The launcher's own path is too long, so the driver setup was not run:", folder);

    // The XP class always gets its byte; the Vista class only when the medium allows it.
    if (!launcherApp.isVista || launcherSettings.enableAudioClass != 0) {
        if (SwitchAudioClass())
            ShowLauncherMessage(launcherSettings.rePlugin);
    }

    ReadFinishInstall();
    if (launcherApp.finishInstall && haveFolder)
        RunFurtherApplications(folder);

    // The launcher dialog has no work of its own yet: the program ends here.
    return 0;
}
