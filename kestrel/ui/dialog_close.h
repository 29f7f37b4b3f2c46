// Ending a modal dialog of kestrel on OK, Escape or its close box.
#ifndef KESTREL_DIALOG_CLOSE_H
#define KESTREL_DIALOG_CLOSE_H

#include <windows.h>

// Ends the dialog for WM_COMMAND IDOK or IDCANCEL; TRUE when it handled the message.
INT_PTR EndOnOkOrCancel(HWND dialog, UINT message, WPARAM wParam);

#endif
