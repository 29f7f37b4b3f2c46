// Pointer moves with SetCursorPos and button events with mouse_event where the pointer is.
#include "core/mouse.h"

#include <windows.h>

#include "core/pointer_steps.h"

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

void MovePointer(int code)
{
    POINT at;
    GetCursorPos(&at);
    int x = 0, y = 0;
    if (PlanPointerMove(code, at.x, at.y, &x, &y))
        SetCursorPos(x, y);
}

void EmulateMouse(int code)
{
    switch ((unsigned)code) {
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
    case 1: case 2: case 3: case 4: case 6: case 7: case 8: case 9:
        MovePointer(code);
        break;
    default:
        break;
    }
}

void InitPointerBounds(void)
{
    int height = CorrectedFullScreenHeight(GetSystemMetrics(SM_CYFULLSCREEN));
    SetPointerBounds(GetSystemMetrics(SM_CXFULLSCREEN), height);
}

void SetPointerBoundsFromDisplay(unsigned short width, unsigned short height)
{
    SetPointerBounds(width, height);
}
