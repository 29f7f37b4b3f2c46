// hotfixstub.exe: stand-in for the Windows Update Standalone Installer.
//   hotfixstub PACKAGE [PARAMETERS...]   install: show the windows of PACKAGE's script
//   hotfixstub --register | --unregister  become (or stop being) the program that opens
//                                         *.msu files in this prefix
// The windows match what the launcher's automation looks for (class "#32770", the
// installer's titles, "Button" children named OK, Cancel and Close, Close inside the last
// child of the first child); every mouse message a button gets and every click it reports
// goes to PACKAGE.record (see hotfix_record.h). Exit code: 0 when every window was done,
// 2 when Cancel was clicked, 3 when nobody finished it within two minutes, 4 for a bad
// command line.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

#include "hotfix_record.h"
#include "hotfix_resource.h"
#include "hotfix_script.h"
#include "record_file.h"

enum { READY_TIMER = 1, GIVE_UP_TIMER = 2, GIVE_UP_MS = 120000 };
// A window's end is carried out after the button's own handling has returned.
enum { WM_WINDOW_DONE = WM_APP, WM_CANCELLED = WM_APP + 1 };
enum { EXIT_DONE = 0, EXIT_CANCELLED = 2, EXIT_GAVE_UP = 3, EXIT_USAGE = 4 };

struct OpenWindow {
    HotfixWindow plan;
    HWND window;
    bool done;
};

static std::vector<HotfixStage> stages;
static size_t stageIndex;
static std::vector<OpenWindow> openWindows;
static WNDPROC buttonProcedure;

static OpenWindow *Find(HWND window)
{
    for (OpenWindow &open : openWindows)
        if (open.window == window)
            return &open;
    return NULL;
}

static const char *ButtonLabel(HWND button)
{
    switch (GetDlgCtrlID(button)) {
    case IDOK: return "OK";
    case IDCANCEL: return "Cancel";
    case IDC_CLOSE: return "Close";
    case IDC_DECOY: return "decoy";
    }
    return "?";
}

static HWND TopLevel(HWND window)
{
    HWND root = GetAncestor(window, GA_ROOT);
    return root ? root : window;
}

// Every mouse message a button gets, as it arrived.
static LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP) {
        OpenWindow *open = Find(TopLevel(button));
        char numbers[64];
        snprintf(numbers, sizeof numbers, "%lu\t%ld\t%s", (unsigned long)wParam, (long)lParam,
                 InSendMessage() ? "sent" : "posted");
        Record(message == WM_LBUTTONDOWN ? "down" : "up", open ? open->plan.name.c_str() : "?",
               ButtonLabel(button), numbers);
    }
    return CallWindowProcA(buttonProcedure, button, message, wParam, lParam);
}

static void WatchButtons(HWND parent)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16];
        if (GetClassNameA(child, className, sizeof className) && lstrcmpiA(className, "Button") == 0) {
            WNDPROC old = (WNDPROC)SetWindowLongPtrA(child, GWLP_WNDPROC, (LONG_PTR)ButtonProc);
            if (!buttonProcedure)
                buttonProcedure = old;
        }
        WatchButtons(child);
    }
}

static HWND AddButton(HWND parent, const char *text, int id)
{
    HWND button = CreateWindowExA(0, "Button", text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 4,
                                  80, 22, parent, (HMENU)(INT_PTR)id, GetModuleHandleA(NULL), NULL);
    WatchButtons(parent);
    return button;
}

static void Finish(int code)
{
    char text[16];
    snprintf(text, sizeof text, "%d", code);
    Record("end", text);
    for (OpenWindow &open : openWindows)
        if (open.window)
            DestroyWindow(open.window);
    openWindows.clear();
    PostQuitMessage(code);
}

static void ShowStage(void);

static void WindowDone(OpenWindow *open)
{
    open->done = true;
    DestroyWindow(open->window);
    open->window = NULL;
    // Only once the window is gone, so that a reader of the record no longer finds it.
    Record("done", open->plan.name.c_str());
    for (const OpenWindow &other : openWindows)
        if (!other.done)
            return;
    ++stageIndex;
    ShowStage();
}

static void OnButton(HWND dialog, int id)
{
    OpenWindow *open = Find(dialog);
    if (!open)
        return;
    HWND button = GetDlgItem(dialog, id);
    if (!button) {
        HWND last = GetDlgItem(dialog, IDC_PANEL_LAST), first = GetDlgItem(dialog, IDC_PANEL_FIRST);
        button = last ? GetDlgItem(last, id) : NULL;
        if (!button && first)
            button = GetDlgItem(first, id);
    }
    const char *label = button ? ButtonLabel(button) : "?";
    Record("click", open->plan.name.c_str(), label);
    if (id == IDCANCEL) {
        PostMessageA(dialog, WM_CANCELLED, 0, 0);
    } else if (id == IDOK && open->plan.ignore > 0) {
        --open->plan.ignore;
        Record("lost", open->plan.name.c_str(), label);
    } else if (id == IDOK || id == IDC_CLOSE) {
        PostMessageA(dialog, WM_WINDOW_DONE, 0, 0);
    }
}

static void MakeReady(HWND dialog)
{
    OpenWindow *open = Find(dialog);
    if (!open)
        return;
    KillTimer(dialog, READY_TIMER);
    if (open->plan.shape == SHAPE_PANELS)
        AddButton(GetDlgItem(dialog, IDC_PANEL_LAST), "Close", IDC_CLOSE);
    Record("ready", open->plan.name.c_str());
}

static INT_PTR CALLBACK InstallerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            OnButton(dialog, LOWORD(wParam));
        return TRUE;
    case WM_TIMER:
        if (wParam == READY_TIMER)
            MakeReady(dialog);
        return TRUE;
    case WM_WINDOW_DONE:
        if (OpenWindow *open = Find(dialog))
            if (!open->done)
                WindowDone(open);
        return TRUE;
    case WM_CANCELLED:
        Finish(EXIT_CANCELLED);
        return TRUE;
    case WM_CLOSE:
        return TRUE;   // only the buttons end a window
    }
    return FALSE;
}

// Panels pass their buttons' clicks up to the window, as the installer's pages do.
static LRESULT CALLBACK PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND)
        return SendMessageA(GetParent(panel), message, wParam, lParam);
    return DefWindowProcA(panel, message, wParam, lParam);
}

static int TemplateOf(const HotfixWindow &plan)
{
    if (plan.kind == HOTFIX_CONFIRM)
        return IDD_CONFIRM;
    if (plan.kind == HOTFIX_NOTICE)
        return IDD_NOTICE;
    return plan.shape == SHAPE_BARE ? IDD_PROGRESS_BARE
         : plan.shape == SHAPE_FLAT ? IDD_PROGRESS_FLAT : IDD_PROGRESS;
}

static void ShowStage(void)
{
    openWindows.clear();
    if (stageIndex >= stages.size()) {
        Finish(EXIT_DONE);
        return;
    }
    for (const HotfixWindow &plan : stages[stageIndex]) {
        OpenWindow open = { plan, NULL, false };
        openWindows.push_back(open);
    }
    HINSTANCE instance = GetModuleHandleA(NULL);
    for (OpenWindow &open : openWindows) {
        open.window = CreateDialogParamA(instance, MAKEINTRESOURCEA(TemplateOf(open.plan)), NULL,
                                         InstallerDialogProc, 0);
        if (!open.window)
            continue;
        if (open.plan.decoy) {
            HWND first = GetDlgItem(open.window, IDC_PANEL_FIRST);
            if (first)
                AddButton(first, "Close", IDC_DECOY);
        }
        WatchButtons(open.window);
        // "show" means on screen: an automation that waits for it finds the window visible.
        ShowWindow(open.window, SW_SHOWNOACTIVATE);
        Record("show", open.plan.name.c_str());
        if (open.plan.kind == HOTFIX_PROGRESS && open.plan.shape == SHAPE_PANELS)
            SetTimer(open.window, READY_TIMER, open.plan.workMs, NULL);
        else if (open.plan.kind == HOTFIX_PROGRESS && open.plan.shape == SHAPE_FLAT)
            Record("ready", open.plan.name.c_str());
    }
}

static const char progId[] = "HotfixStub.Package";

static int Register(bool on)
{
    if (!on) {
        RegDeleteKeyA(HKEY_CLASSES_ROOT, "HotfixStub.Package\\shell\\open\\command");
        RegDeleteKeyA(HKEY_CLASSES_ROOT, "HotfixStub.Package\\shell\\open");
        RegDeleteKeyA(HKEY_CLASSES_ROOT, "HotfixStub.Package\\shell");
        RegDeleteKeyA(HKEY_CLASSES_ROOT, progId);
        RegDeleteKeyA(HKEY_CLASSES_ROOT, ".msu");
        return 0;
    }
    char self[MAX_PATH], command[MAX_PATH + 32];
    DWORD length = GetModuleFileNameA(NULL, self, sizeof self);
    if (length == 0 || length >= sizeof self)
        return 1;
    snprintf(command, sizeof command, "\"%s\" \"%%1\" %%*", self);
    HKEY key;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, ".msu", 0, NULL, 0, KEY_SET_VALUE, NULL, &key, NULL) != ERROR_SUCCESS)
        return 1;
    RegSetValueExA(key, NULL, 0, REG_SZ, (const BYTE *)progId, sizeof progId);
    RegCloseKey(key);
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, "HotfixStub.Package\\shell\\open\\command", 0, NULL, 0,
                        KEY_SET_VALUE, NULL, &key, NULL) != ERROR_SUCCESS)
        return 1;
    RegSetValueExA(key, NULL, 0, REG_SZ, (const BYTE *)command, (DWORD)strlen(command) + 1);
    RegCloseKey(key);
    return 0;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    if (__argc == 2 && strcmp(__argv[1], "--register") == 0)
        return Register(true);
    if (__argc == 2 && strcmp(__argv[1], "--unregister") == 0)
        return Register(false);
    if (__argc < 2)
        return EXIT_USAGE;

    OpenHotfixRecord(__argv[1]);
    Record("start", GetCommandLineA());
    stages = ParseHotfixScript(ReadWholeFile(__argv[1]));

    WNDCLASSA panel = {};
    panel.lpfnWndProc = PanelProc;
    panel.hInstance = instance;
    panel.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    panel.lpszClassName = "HotfixPanel";
    RegisterClassA(&panel);

    // Nobody left to click: the stand-in does not outlive a test that forgot it.
    SetTimer(NULL, GIVE_UP_TIMER, GIVE_UP_MS, NULL);
    stageIndex = 0;
    ShowStage();
    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        if (message.hwnd == NULL && message.message == WM_TIMER) {
            Finish(EXIT_GAVE_UP);
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return (int)message.wParam;
}
