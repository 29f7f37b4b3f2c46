// Entry point of kestrel: one instance, a hidden window, the message loop.
#include <windows.h>

#include "common/text_case.h"
#include "core/main_window.h"
#include "res/resource.h"
#include "ui/code_viewer.h"

// Whether one word of the command line is /codes (letter case ignored).
static int AsksForCodeViewer(const char *commandLine)
{
    static const char option[] = "/codes";
    const char *at = commandLine;
    while (at && *at) {
        while (*at == ' ' || *at == '\t')
            ++at;
        size_t length = 0;
        while (at[length] && at[length] != ' ' && at[length] != '\t')
            ++length;
        size_t same = 0;
        while (same < length && same < sizeof option - 1 && FoldCase(at[same]) == option[same])
            ++same;
        if (length == sizeof option - 1 && same == length)
            return 1;
        at += length;
    }
    return 0;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    int codeViewer = AsksForCodeViewer(commandLine);
    // Another instance owns the remote already; it shows its own viewer when asked.
    char className[100];
    HWND running = LoadStringA(instance, IDS_WINDOW_CLASS, className, sizeof className) ? FindWindowA(className, NULL) : NULL;
    if (running) {
        if (codeViewer)
            PostMessageA(running, WM_COMMAND, CMD_CODES, 0);
        return 0;
    }
    if (!RegisterMainWindowClass(instance))
        return 0;
    if (!CreateMainWindow(instance))
        return 0;
    if (codeViewer)
        OpenCodeViewer(instance);

    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        if (TranslateAcceleratorA(message.hwnd, accelerators, &message))
            continue;
        if (IsCodeViewerMessage(&message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return (int)message.wParam;
}
