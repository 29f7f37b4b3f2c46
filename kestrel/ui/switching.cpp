// Switching to the default application: tray launch items and the Power key with no
// application driven.
#include "switching.h"
#include "dialog_close.h"
#include "settings.h"
#include "../profiles/app_windows.h"
#include "../profiles/detection_order.h"
#include "../profiles/launch.h"
#include "../profiles/profile.h"
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
    if (tvApps[index].installed == 0)
        MessageBoxA(NULL, "Please re-initialize the TV application settings.", "Remote Control",
                    MB_OK | MB_SETFOREGROUND);
    CloseOtherApps(index);
    TogglePower(index);
}

int IsAppWindowPresent(int index)
{
    return FindDetectionWindow(index) != NULL;
}

INT_PTR CALLBACK SettingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    return EndOnOkOrCancel(dialog, message, wParam);
}
