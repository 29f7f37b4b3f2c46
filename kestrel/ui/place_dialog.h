// Where every dialog of kestrel opens: topmost at a fixed place chosen by the screen width.
#ifndef KESTREL_PLACE_DIALOG_H
#define KESTREL_PLACE_DIALOG_H

#include <windows.h>

// For a full-screen width: 1 and the dialog's top-left corner, or 0 for a width not known.
int DialogPositionForWidth(int width, int *x, int *y);
// Moves the dialog for the given full-screen width; other widths leave the template's place
// and no topmost. 1 when it moved.
int PlaceDialogForWidth(HWND dialog, int width);
// The same for the width of this screen; each dialog calls it in WM_INITDIALOG.
int PlaceDialog(HWND dialog);

#endif
