// The launcher dialog's handlers: initialisation, the installer timer, the minimised icon.
#include "steps/launcher_dialog.h"

#include "res/resource.h"
#include "steps/hotfix_automation.h"
#include "steps/launcher_dialog_rules.h"

struct LauncherDialogSetup {
    int msuLaunched;
    int enableTimer;
    int waitTimer;
};

static HICON launcherIcon;

void DrawMinimisedIcon(HWND dialog, HDC dc, HICON icon)
{
    SendMessageA(dialog, WM_ICONERASEBKGND, (WPARAM)dc, 0);
    RECT client;
    GetClientRect(dialog, &client);
    int x, y;
    IconOrigin(client.right - client.left, client.bottom - client.top,
               GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), &x, &y);
    DrawIcon(dc, x, y, icon);
}

static INT_PTR OnInitDialog(HWND dialog, const LauncherDialogSetup *setup)
{
    SendMessageA(dialog, WM_SETICON, ICON_BIG, (LPARAM)launcherIcon);
    SendMessageA(dialog, WM_SETICON, ICON_SMALL, (LPARAM)launcherIcon);
    if (DialogStays(setup->msuLaunched, setup->enableTimer))
        SetTimer(dialog, LAUNCHER_TIMER, LauncherTimerPeriod(setup->waitTimer), NULL);
    else
        EndDialog(dialog, IDOK);
    return TRUE;
}

static INT_PTR OnPaint(HWND dialog)
{
    if (!IsIconic(dialog))
        return FALSE;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    DrawMinimisedIcon(dialog, dc, launcherIcon);
    EndPaint(dialog, &paint);
    return TRUE;
}

static void OnTimer(HWND dialog, WPARAM timer)
{
    // Visible only until the first tick: the user sees the installer's windows, not ours.
    ShowWindow(dialog, SW_HIDE);
    if (timer == LAUNCHER_TIMER && AutomateHotfixInstaller())
        EndDialog(dialog, IDOK);
}

static INT_PTR CALLBACK LauncherDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog, (const LauncherDialogSetup *)lParam);
    case WM_PAINT:
        return OnPaint(dialog);
    case WM_QUERYDRAGICON:
        return (INT_PTR)launcherIcon;
    case WM_TIMER:
        OnTimer(dialog, wParam);
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

INT_PTR RunLauncherDialog(int msuLaunched, int enableTimer, int waitTimer)
{
    HINSTANCE instance = GetModuleHandleA(NULL);
    launcherIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_LAUNCHER));
    LauncherDialogSetup setup = { msuLaunched, enableTimer, waitTimer };
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_LAUNCHER), NULL, LauncherDialogProc,
                           (LPARAM)&setup);
}
