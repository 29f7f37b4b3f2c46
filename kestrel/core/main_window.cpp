// Window class, creation sequence and window procedure of the hidden main window.
#include <windows.h>

#include "main_window.h"
#include "receiver.h"
#include "../res/resource.h"

HINSTANCE appInstance = NULL;
HWND mainWindow = NULL;
char windowTitle[100];
char windowClassName[100];

int RegisterMainWindowClass(HINSTANCE instance)
{
    LoadStringA(instance, IDS_WINDOW_TITLE, windowTitle, sizeof windowTitle);
    LoadStringA(instance, IDS_WINDOW_CLASS, windowClassName, sizeof windowClassName);

    WNDCLASSEXA windowClass;
    ZeroMemory(&windowClass, sizeof windowClass);
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    windowClass.hIconSm = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    windowClass.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    windowClass.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    windowClass.lpszClassName = windowClassName;
    return RegisterClassExA(&windowClass) != 0;
}

int CreateMainWindow(HINSTANCE instance)
{
    appInstance = instance;
    mainWindow = CreateWindowExA(0, windowClassName, windowTitle, WS_OVERLAPPEDWINDOW,
                                 CW_USEDEFAULT, 0, CW_USEDEFAULT, 0,
                                 NULL, NULL, appInstance, NULL);
    if (!mainWindow)
        return 0;
    ShowWindow(mainWindow, SW_HIDE);
    UpdateWindow(mainWindow);
    StartReceiverTimers(mainWindow);
    return 1;
}

static LRESULT OnCreate(HWND)
{
    OpenReceiverAtStartup();
    return 0;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate(window);
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
