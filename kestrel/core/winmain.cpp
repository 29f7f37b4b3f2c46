// Entry point of kestrel: one instance, a hidden window, the message loop.
#include <windows.h>

#include "main_window.h"
#include "../res/resource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // Another instance owns the remote already.
    if (FindWindowA("Remote Control", NULL))
        return 0;
    if (!RegisterMainWindowClass(instance))
        return 0;
    if (!CreateMainWindow(instance))
        return 0;

    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        if (TranslateAcceleratorA(message.hwnd, accelerators, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return (int)message.wParam;
}
