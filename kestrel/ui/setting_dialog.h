// The Setting dialog (dialog 20): the choice of the default TV application.
#ifndef KESTREL_SETTING_DIALOG_H
#define KESTREL_SETTING_DIALOG_H

#include <windows.h>

// The list position selected or found last; -1 before the first opening. It outlives the
// dialog, so that a default that is not installed finds the last choice preselected.
int SettingListPosition(void);
// The text of the entry chosen by the last OK.
const char *ChosenAppText(void);
// Both as before the first opening.
void ForgetSettingChoice(void);

INT_PTR CALLBACK SettingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
