// Switching to the default application: tray launch items and the Power key with no
// application driven. Both ask every other application to close first.
#include "switching.h"

#include <windows.h>

#include "app_marks.h"
#include "settings.h"
#include "../profiles/app_windows.h"
#include "../profiles/detection_order.h"
#include "../profiles/launch.h"
#include "../profiles/profile_ops.h"

static int CloseUnlessKept(int index, void *kept)
{
    if (index != *(int *)kept)
        CloseApp(index);
    return 0;
}

void CloseOtherApps(int index)
{
    WalkTvApps(CloseUnlessKept, &index);
}

void SwitchToApp(int index)
{
    if (index < 1 || index > TV_APP_COUNT)
        return;
    CloseOtherApps(index);
    ActivateOrLaunch(index);
    // After the launch, which must still see the previous default; in memory only.
    defaultTvApp = index;
}

void PowerDefaultApp(void)
{
    int index = defaultTvApp;
    if (index < 1 || index > TV_APP_COUNT)
        return;
    // Media Center's mark as it stands: no new detection on a key press.
    if (AppInstalledMark(index) == 0)
        MessageBoxA(NULL, "Please re-initialize the TV application settings.", "Remote Control",
                    MB_OK | MB_SETFOREGROUND);
    CloseOtherApps(index);
    TogglePower(index);
}

int IsAppWindowPresent(int index)
{
    // Each application's own lookup; WinDVR's is its exact title, as its close uses.
    return FindAppWindow(index) != NULL;
}
