// Switching to the default application: tray launch items and the Power key with no
// application driven. Both ask every other application to close first.
#include "settings/switching.h"

#include <windows.h>

#include "base/program_message.h"
#include "profiles/app_marks.h"
#include "profiles/app_windows.h"
#include "profiles/detection_order.h"
#include "profiles/profile_ops.h"
#include "res/resource.h"
#include "settings/settings.h"

void CloseOtherApps(int index)
{
    WalkTvApps([index](int other) {
        if (other != index)
            CloseApp(other);
        return false;
    });
}

void SwitchToApp(int index)
{
    if (!IsTvAppIndex(index))
        return;
    CloseOtherApps(index);
    ActivateOrLaunch(index, defaultTvApp);
    // After the launch, which must still see the previous default; in memory only.
    defaultTvApp = index;
}

int PowerDefaultApp(void)
{
    int index = defaultTvApp;
    if (!IsTvAppIndex(index))
        return 0;
    // Media Center's mark as it stands: no new detection on a key press.
    if (AppInstalledMark(index) == 0)
        ShowProgramMessage(IDS_REINITIALIZE, MB_OK | MB_SETFOREGROUND);
    CloseOtherApps(index);
    return TogglePower(index, defaultTvApp);
}

int IsAppWindowPresent(int index)
{
    // Each application's own lookup; WinDVR's is its exact title, as its close uses.
    return FindAppWindow(index) != NULL;
}
