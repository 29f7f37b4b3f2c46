// The shut-down confirmation. Its modal loop runs inside the polling tick that opened it, and
// the nested ticks answer it through WM_KEYDOWN: the flag is cleared before EndDialog on every
// way out, so that no later tick sends a key to a dialog that is going.
#include "ui/shutdown.h"

#include "base/power_off.h"
#include "res/resource.h"
#include "ui/place_dialog.h"

int shutdownDialogOpen = 0;
HWND shutdownDialogWindow = NULL;

INT_PTR ShowShutdownDialog(HWND owner)
{
    shutdownDialogOpen = 1;
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDD_SHUTDOWN), owner,
                                     ShutdownDialogProc, 0);
    // A dialog that never opened (0: no such owner, -1: anything else) must not keep every
    // later key; every way out of an open one returns another value.
    if (result == 0 || result == -1)
        shutdownDialogOpen = 0;
    return result;
}

static INT_PTR Close(HWND dialog, INT_PTR result, int confirmed)
{
    shutdownDialogOpen = 0;
    EndDialog(dialog, result);
    if (confirmed)
        PowerOffComputer();
    return TRUE;
}

INT_PTR CALLBACK ShutdownDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        SetForegroundWindow(dialog);
        SetActiveWindow(dialog);
        shutdownDialogWindow = dialog;
        PlaceDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK)
            return Close(dialog, IDOK, 1);
        if (LOWORD(wParam) == IDCANCEL)
            return Close(dialog, IDCANCEL, 0);
        return FALSE;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN)
            return Close(dialog, VK_RETURN, 1);
        if (wParam == VK_ESCAPE)
            return Close(dialog, VK_ESCAPE, 0);
        return FALSE;
    default:
        return FALSE;
    }
}
