// Ending a modal dialog on OK, Escape or its close box.
#include "ui/dialog_close.h"

INT_PTR EndOnOkOrCancel(HWND dialog, UINT message, WPARAM wParam)
{
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}
