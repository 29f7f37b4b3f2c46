// Window class, creation sequence and window procedure of the hidden main window.
#include "core/main_window.h"

#include "base/program_message.h"
#include "core/dispatch.h"
#include "core/launch_watch.h"
#include "core/mouse.h"
#include "core/receiver.h"
#include "core/tray.h"
#include "core/user_keymap_watch.h"
#include "profiles/app_index.h"
#include "profiles/media_center.h"
#include "profiles/zoruvuviro_probe.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/switching.h"
#include "ui/about.h"
#include "ui/code_viewer.h"
#include "ui/setting_dialog.h"

static HINSTANCE appInstance = NULL;
static HWND mainWindow = NULL;
static char windowTitle[100];
static char windowClassName[100];

// Sent to every top-level window when Explorer (and so the tray) starts again.
static UINT taskbarCreatedMessage = 0;

HWND MainWindow(void)
{
    return mainWindow;
}

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
    taskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");
    mainWindow = CreateWindowExA(0, windowClassName, windowTitle, WS_OVERLAPPEDWINDOW,
                                 CW_USEDEFAULT, 0, CW_USEDEFAULT, 0,
                                 NULL, NULL, appInstance, NULL);
    if (!mainWindow)
        return 0;
    LoadSettings();
    if (alwaysRemoteOff) {
        RemoveTrayIcon(mainWindow, TRAY_ICON_ID);
        return 0;
    }
    ShowWindow(mainWindow, SW_HIDE);
    UpdateWindow(mainWindow);
    BindTimer(pollTimer, mainWindow, POLL_PERIOD_MS);
    BindTimer(watchTimer, mainWindow, WATCH_PERIOD_MS);
    StartReceiverTimers(mainWindow, pollTimer);
    // After the timers: the remote keeps working while a message about the file is open.
    ReadUserKeymapsAtStart();
    return 1;
}

static HICON ProgramIcon(void)
{
    return LoadIconA(appInstance, MAKEINTRESOURCEA(IDI_PROGRAM));
}

static LRESULT OnCreate(HWND window)
{
    OpenReceiverAtStartup();
    ProbeZoruvUviro();
    DetectMediaCenter();
    InitPointerBounds();
    AddTrayIcon(window, TRAY_ICON_ID, ProgramIcon(), windowTitle);
    return 0;
}

static void EndProgram(void)
{
    RemoveTrayIcon(mainWindow, TRAY_ICON_ID);
    PostQuitMessage(0);
}

static LRESULT OnTrayNotify(LPARAM mouseMessage)
{
    switch (mouseMessage) {
    case WM_MOUSEMOVE:
        RefreshTrayIcon();
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        if (receiverReady == 1) {
            ShowTrayMenu(mainWindow);
            break;
        }
        ShowProgramMessage(IDS_RECEIVER_MISSING, MB_ICONWARNING | MB_SETFOREGROUND);
        EndProgram();
        break;
    default:
        break;
    }
    return 0;
}

static LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
    UINT command = LOWORD(wParam);
    if (command == CMD_ABOUT) {
        DialogBoxParamA(appInstance, MAKEINTRESOURCEA(IDD_ABOUT), mainWindow, AboutDialogProc, 0);
        return 0;
    }
    if (command == CMD_CODES) {
        OpenCodeViewer(appInstance);
        return 0;
    }
    if (command == CMD_SETTING) {
        DialogBoxParamA(appInstance, MAKEINTRESOURCEA(IDD_SETTING), mainWindow, SettingDialogProc, 0);
        return 0;
    }
    if (IsTvAppIndex((int)command - CMD_LAUNCH_BASE)) {
        SwitchToApp((int)(command - CMD_LAUNCH_BASE));
        return 0;
    }
    if (command == CMD_EXIT) {
        EndProgram();
        return 0;
    }
    return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate(window);
    case WM_DISPLAYCHANGE:
        SetPointerBoundsFromDisplay(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_COMMAND:
        return OnCommand(window, wParam, lParam);
    case TRAY_CALLBACK_MESSAGE:
        return OnTrayNotify(lParam);
    case WM_DESTROY:
        EndProgram();
        return 0;
    default:
        // A restarted taskbar has lost every icon: put ours back.
        if (taskbarCreatedMessage != 0 && message == taskbarCreatedMessage) {
            AddTrayIcon(window, TRAY_ICON_ID, ProgramIcon(), windowTitle);
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
