// AutomateHotfixInstaller: the installer is known only by its window classes, texts and
// nesting; nothing is kept from one tick to the next.
#include "steps/hotfix_automation.h"

#include <windows.h>

static const char dialogClass[] = "#32770";
static const char buttonClass[] = "Button";
static const char confirmTitle[] = "Windows Update Standalone Installer";
static const char progressTitle[] = "Download and Install Updates";

// A left click at the button's client point (0, 0), posted, not sent: the installer handles
// it in its own time.
static void ClickButton(HWND button)
{
    PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    PostMessageA(button, WM_LBUTTONUP, 0, 0);
}

// Confirmations and notices: every one is clicked, so a lost click is repeated next tick.
static int ConfirmWindows(HWND desktop)
{
    int finished = 0;
    HWND window = NULL;
    while ((window = FindWindowExA(desktop, window, dialogClass, confirmTitle)) != NULL) {
        // A window not shown yet may still be making its buttons: with its OK made and its
        // Cancel not yet, a question would pass for the final notice.
        if (!IsWindowVisible(window))
            continue;
        HWND ok = FindWindowExA(window, NULL, buttonClass, "OK");
        if (!ok)
            continue;
        HWND cancel = FindWindowExA(window, NULL, buttonClass, "Cancel");
        ClickButton(ok);
        // Without Cancel it was the final notice: the installer is done with us.
        if (!cancel)
            finished = 1;
    }
    return finished;
}

// Progress windows: Close sits inside the last child of the first child once the work is
// done; the first one found finishes the installation.
static int CloseFinishedProgress(HWND desktop)
{
    HWND window = NULL;
    while ((window = FindWindowExA(desktop, window, dialogClass, progressTitle)) != NULL) {
        HWND first = GetWindow(window, GW_CHILD);
        if (!first)
            continue;
        HWND last = GetWindow(first, GW_HWNDLAST);
        HWND close = FindWindowExA(last, NULL, buttonClass, "Close");
        if (!close)
            continue;
        ClickButton(close);
        return 1;
    }
    return 0;
}

int AutomateHotfixInstaller(void)
{
    HWND desktop = GetDesktopWindow();
    int finished = ConfirmWindows(desktop);
    return CloseFinishedProgress(desktop) || finished;
}
