// Switching to the default application.
#include "switching.h"
#include "dialog_close.h"
#include "settings.h"
#include "../profiles/app_windows.h"
#include "../profiles/profile.h"

void SwitchToApp(int index)
{
    // In memory only; the Setting dialog is what stores a default.
    if (index >= 1 && index <= TV_APP_COUNT)
        defaultTvApp = index;
}

void PowerDefaultApp(void)
{
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
