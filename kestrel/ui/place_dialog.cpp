// Dialog placement by full-screen width, one row per known width.
#include "ui/place_dialog.h"

struct DialogPlace {
    int width;
    int x;
    int y;
};

static const DialogPlace places[] = {
    { 640, 160, 200 },
    { 800, 280, 250 },
    { 1024, 350, 300 },
    { 1152, 420, 300 },
    { 1280, 420, 300 },
    { 1600, 580, 340 },
};

int DialogPositionForWidth(int width, int *x, int *y)
{
    for (const DialogPlace &place : places) {
        if (place.width == width) {
            *x = place.x;
            *y = place.y;
            return 1;
        }
    }
    return 0;
}

int PlaceDialogForWidth(HWND dialog, int width)
{
    int x, y;
    if (!DialogPositionForWidth(width, &x, &y))
        return 0;
    SetWindowPos(dialog, HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE);
    return 1;
}

int PlaceDialog(HWND dialog)
{
    return PlaceDialogForWidth(dialog, GetSystemMetrics(SM_CXFULLSCREEN));
}
