// Pointer moves with SetCursorPos and button events with mouse_event where the pointer is.
#include "core/mouse.h"

#include <windows.h>

#include "core/pointer_steps.h"

static PointerSteps pointer;
// Key 5 holds the primary button until it is pressed again.
static int dragButtonDown = 0;

static void ButtonEvent(DWORD flags)
{
    POINT at;
    GetCursorPos(&at);
    mouse_event(flags, (DWORD)at.x, (DWORD)at.y, 0, GetMessageExtraInfo());
}

static void ToggleDrag(void)
{
    int swapped = GetSystemMetrics(SM_SWAPBUTTON) != 0;
    if (dragButtonDown == 1) {
        dragButtonDown = 0;
        ButtonEvent(swapped ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    } else {
        dragButtonDown = 1;
        ButtonEvent(swapped ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    }
}

static void MovePointer(int code)
{
    POINT at;
    GetCursorPos(&at);
    int x = 0, y = 0;
    if (PlanPointerMove(pointer, code, at.x, at.y, &x, &y))
        SetCursorPos(x, y);
}

void EmulateMouse(int code)
{
    switch (code) {
    case 0:
        ButtonEvent(MOUSEEVENTF_LEFTDOWN);
        ButtonEvent(MOUSEEVENTF_LEFTUP);
        break;
    case 5:
        ToggleDrag();
        break;
    case 10:
        ButtonEvent(MOUSEEVENTF_RIGHTDOWN);
        ButtonEvent(MOUSEEVENTF_RIGHTUP);
        break;
    default:
        // The rest of the range moves the pointer.
        if ((unsigned)code <= MOUSE_LAST_CODE)
            MovePointer(code);
        break;
    }
}

void ResetPointerSteps(void)
{
    pointer.count = 0;
}

void InitPointerBounds(void)
{
    int height = CorrectedFullScreenHeight(GetSystemMetrics(SM_CYFULLSCREEN));
    SetPointerBounds(pointer, GetSystemMetrics(SM_CXFULLSCREEN), height);
}

void SetPointerBoundsFromDisplay(unsigned short width, unsigned short height)
{
    SetPointerBounds(pointer, width, height);
}
