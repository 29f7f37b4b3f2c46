// The Setting dialog: the installed applications in detection order; OK makes the chosen one
// the default and stores it, Cancel (Escape, the close box) changes nothing.
#include "ui/setting_dialog.h"

#include <string.h>

#include "base/program_message.h"
#include "profiles/app_marks.h"
#include "profiles/catalogue.h"
#include "profiles/detection_order.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "ui/place_dialog.h"

static int settingListPosition = -1;
static char chosenAppText[64];

int SettingListPosition(void)
{
    return settingListPosition;
}

const char *ChosenAppText(void)
{
    return chosenAppText;
}

void ForgetSettingChoice(void)
{
    settingListPosition = -1;
    chosenAppText[0] = '\0';
}

static void FillList(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_APP_LIST);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    WalkTvApps([list](int index) {
        if (!AppListedAsInstalled(index))
            return false;
        LRESULT position = SendMessageA(list, CB_ADDSTRING, 0, (LPARAM)CatalogueEntry(index)->menuText);
        if (position >= 0 && index == defaultTvApp)
            settingListPosition = (int)position;
        return false;
    });
    if (settingListPosition == -1)
        settingListPosition = 0;
    SendMessageA(list, CB_SETCURSEL, (WPARAM)settingListPosition, 0);
}

static void TakeChoice(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_APP_LIST);
    settingListPosition = (int)SendMessageA(list, CB_GETCURSEL, 0, 0);
    // With nothing selected there is no choice: an older entry's text must not be taken for one.
    if (settingListPosition < 0)
        return;
    LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, (WPARAM)settingListPosition, 0);
    if (length < 0 || length >= (LRESULT)sizeof chosenAppText)
        return;
    SendMessageA(list, CB_GETLBTEXT, (WPARAM)settingListPosition, (LPARAM)chosenAppText);
    int index =
        WalkTvApps([](int index) { return strcmp(chosenAppText, CatalogueEntry(index)->menuText) == 0; });
    if (index == 0 || index == defaultTvApp)
        return;
    defaultTvApp = index;
    // The choice holds for this run either way; the user hears that it will not outlive it.
    if (SaveDefaultApp() == SAVE_REFUSED)
        ShowProgramMessage(IDS_SAVE_FAILED, MB_OK | MB_ICONEXCLAMATION);
}

INT_PTR CALLBACK SettingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        PlaceDialog(dialog);
        FillList(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            TakeChoice(dialog);
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}
