// The code viewer's window: a modeless dialog from the resources, its list and Copy.
#include "ui/code_viewer.h"

#include <string.h>

#include "profiles/key_labels.h"
#include "res/resource.h"

// The open viewer, NULL while closed.
static HWND codeViewerWindow = NULL;

// The oldest lines go, so that an open viewer never grows without end.
enum { CODE_LINES_KEPT = 1000, CODE_LINE_SIZE = 160 };

// The whole list as text on the clipboard, one line each, CR LF after every line.
static void CopyCodeList(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_CODE_LIST);
    int count = (int)SendMessageA(list, LB_GETCOUNT, 0, 0);
    SIZE_T size = 1;
    for (int i = 0; i < count; ++i)
        size += (SIZE_T)SendMessageA(list, LB_GETTEXTLEN, i, 0) + 2;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory)
        return;
    char *text = (char *)GlobalLock(memory);
    SIZE_T used = 0;
    for (int i = 0; i < count; ++i) {
        LRESULT length = SendMessageA(list, LB_GETTEXTLEN, i, 0);
        if (length < 0 || used + (SIZE_T)length + 2 >= size)
            break;
        SendMessageA(list, LB_GETTEXT, i, (LPARAM)(text + used));
        used += (SIZE_T)length;
        text[used++] = '\r';
        text[used++] = '\n';
    }
    text[used] = '\0';
    GlobalUnlock(memory);
    if (OpenClipboard(dialog)) {
        EmptyClipboard();
        if (SetClipboardData(CF_TEXT, memory))
            memory = NULL;
        CloseClipboard();
    }
    if (memory)
        GlobalFree(memory);
}

static INT_PTR CALLBACK CodeViewerProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_COPY) {
            CopyCodeList(dialog);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            DestroyWindow(dialog);
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        DestroyWindow(dialog);
        return TRUE;
    case WM_DESTROY:
        codeViewerWindow = NULL;
        return FALSE;
    default:
        return FALSE;
    }
}

int OpenCodeViewer(HINSTANCE instance)
{
    if (!codeViewerWindow) {
        codeViewerWindow = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_CODES), NULL, CodeViewerProc, 0);
        if (!codeViewerWindow)
            return 0;
    }
    ShowWindow(codeViewerWindow, SW_SHOW);
    SetForegroundWindow(codeViewerWindow);
    return 1;
}

void ShowCodeEvent(int code, CodeEventKind kind, const char *where)
{
    if (!codeViewerWindow)
        return;
    SYSTEMTIME now;
    GetLocalTime(&now);
    char line[CODE_LINE_SIZE];
    FormatCodeLine(line, sizeof line, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds, code,
                   RemoteKeyLabel(code), kind, where);
    HWND list = GetDlgItem(codeViewerWindow, IDC_CODE_LIST);
    if (SendMessageA(list, LB_GETCOUNT, 0, 0) >= CODE_LINES_KEPT)
        SendMessageA(list, LB_DELETESTRING, 0, 0);
    LRESULT at = SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)line);
    if (at >= 0)
        SendMessageA(list, LB_SETTOPINDEX, (WPARAM)at, 0);
}

int IsCodeViewerMessage(MSG *message)
{
    return codeViewerWindow && IsDialogMessageA(codeViewerWindow, message);
}
