// Entry point of kestrel: one instance, a hidden window, the message loop.
#include <windows.h>

#include "core/main_window.h"
#include "res/resource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // Another instance owns the remote already.
    char className[100];
    if (LoadStringA(instance, IDS_WINDOW_CLASS, className, sizeof className) && FindWindowA(className, NULL))
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
