// Keystrokes go to whatever window is in front, so every tap and chord follows an Activate;
// posted messages go to the looked-up window directly. No result is examined.
#include "profiles/primitives.h"

#include "profiles/key_names.h"


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

void InjectKeys(const BYTE *keys, int count, int extendedAll)
{
    if (count < 1)
        return;
    DWORD extended[5];
    for (int i = 0; i < count && i < 5; ++i)
        extended[i] = extendedAll || IsExtendedVk(keys[i]) ? KEYEVENTF_EXTENDEDKEY : 0;
    if (count > 5)
        count = 5;
    for (int i = 0; i < count; ++i)
        keybd_event(keys[i], 0, extended[i], 0);
    keybd_event(keys[count - 1], 0, extended[count - 1] | KEYEVENTF_KEYUP, 0);
    for (int i = count - 2; i >= 0; --i)
        keybd_event(keys[i], 0, extended[i] | KEYEVENTF_KEYUP, 0);
}

void TapKey(BYTE vk)
{
    InjectKeys(&vk, 1, 1);
}

void ChordKeys(BYTE modifier1, BYTE modifier2, BYTE vk)
{
    BYTE keys[3];
    int count = 0;
    if (modifier1) {
        keys[count++] = modifier1;
        if (modifier2)
            keys[count++] = modifier2;
    }
    keys[count++] = vk;
    InjectKeys(keys, count, 1);
}

void PostKeyDown(HWND window, UINT vk, LPARAM lParam)
{
    PostMessageA(window, WM_KEYDOWN, vk, lParam);
}

void PostCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    PostMessageA(window, message, wParam, lParam);
}
