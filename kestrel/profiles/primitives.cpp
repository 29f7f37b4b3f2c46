// Keystrokes go to whatever window is in front, so every tap and chord follows an Activate;
// posted messages go to the looked-up window directly. No result is examined.
#include "profiles/primitives.h"

// The applications expect the extended flag on every injected event, letters included.
enum { KEY_DOWN_FLAGS = KEYEVENTF_EXTENDEDKEY, KEY_UP_FLAGS = KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP };

void Activate(HWND window)
{
    SetForegroundWindow(window);
    SetActiveWindow(window);
}

void ActivateAndRaise(HWND window)
{
    Activate(window);
    BringWindowToTop(window);
}

void TapKey(BYTE vk)
{
    keybd_event(vk, 0, KEY_DOWN_FLAGS, 0);
    keybd_event(vk, 0, KEY_UP_FLAGS, 0);
}

void ChordKeys(BYTE modifier1, BYTE modifier2, BYTE vk)
{
    if (modifier1)
        keybd_event(modifier1, 0, KEY_DOWN_FLAGS, 0);
    if (modifier1 && modifier2)
        keybd_event(modifier2, 0, KEY_DOWN_FLAGS, 0);
    TapKey(vk);
    if (modifier1 && modifier2)
        keybd_event(modifier2, 0, KEY_UP_FLAGS, 0);
    if (modifier1)
        keybd_event(modifier1, 0, KEY_UP_FLAGS, 0);
}

void PostKeyDown(HWND window, UINT vk, LPARAM lParam)
{
    PostMessageA(window, WM_KEYDOWN, vk, lParam);
}

void PostCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    PostMessageA(window, message, wParam, lParam);
}
