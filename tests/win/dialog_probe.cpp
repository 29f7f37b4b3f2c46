// Reading and clicking dialogs from outside their procedures.
#include "dialog_probe.h"

#include <ctype.h>
#include <stdlib.h>

HWND FindDialog(const char *caption)
{
    return FindWindowA("#32770", caption);
}

std::vector<DialogControl> ReadControls(HWND dialog)
{
    std::vector<DialogControl> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        DialogControl control;
        char name[64] = "";
        GetClassNameA(child, name, sizeof name);
        for (char *c = name; *c; ++c)
            *c = (char)toupper((unsigned char)*c);
        control.className = name;
        control.id = (int)(short)GetDlgCtrlID(child);
        char text[256] = "";
        GetWindowTextA(child, text, sizeof text);
        control.text = text;
        control.style = (DWORD)GetWindowLongA(child, GWL_STYLE);
        GetWindowRect(child, &control.rect);
        MapWindowPoints(NULL, dialog, (POINT *)&control.rect, 2);
        controls.push_back(control);
    }
    return controls;
}

RECT DialogUnits(HWND dialog, int x, int y, int width, int height)
{
    // Place and size are converted apart, as the dialog manager does for its controls.
    RECT place = { x, y, width, height };
    MapDialogRect(dialog, &place);
    RECT rect = { place.left, place.top, place.left + place.right, place.top + place.bottom };
    return rect;
}

std::string DialogFont(HWND dialog, LONG *height)
{
    HFONT font = (HFONT)SendMessageA(dialog, WM_GETFONT, 0, 0);
    LOGFONTA logFont;
    ZeroMemory(&logFont, sizeof logFont);
    if (!font || !GetObjectA(font, sizeof logFont, &logFont))
        return "";
    *height = logFont.lfHeight;
    return logFont.lfFaceName;
}

void ClickAt(int x, int y)
{
    SetCursorPos(x, y);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}

void ClickControl(HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    ClickAt((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

POINT CloseBoxPoint(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    // Along the caption, from the right edge inwards.
    for (int y = rect.top + 2; y < rect.top + 40 && y < rect.bottom; y += 2) {
        for (int x = rect.right - 2; x > rect.right - 60 && x > rect.left; x -= 2) {
            if (SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE)
                return POINT{ x, y };
        }
    }
    return POINT{ -1, -1 };
}

std::vector<std::string> ComboItems(HWND combo, int *selected)
{
    std::vector<std::string> items;
    int count = (int)SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        // Wide: Wine hands another process's CB_GETLBTEXT back in UTF-16 even to an ANSI caller.
        WCHAR text[128] = L"";
        if (SendMessageW(combo, CB_GETLBTEXTLEN, (WPARAM)i, 0) < 128)
            SendMessageW(combo, CB_GETLBTEXT, (WPARAM)i, (LPARAM)text);
        std::string item;
        for (const WCHAR *c = text; *c; ++c)
            item += (char)*c;
        items.push_back(item);
    }
    if (selected)
        *selected = (int)SendMessageA(combo, CB_GETCURSEL, 0, 0);
    return items;
}

static std::function<void(HWND)> modalDrive;
static const char *modalCaption;
static bool modalSeen;
static DWORD modalStart;

static void CALLBACK DriveModal(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = FindDialog(modalCaption);
    if (dialog && !modalSeen && IsWindowVisible(dialog)) {
        modalSeen = true;
        modalDrive(dialog);
        return;
    }
    if (dialog && GetTickCount() - modalStart > 10000)
        EndDialog(dialog, -2);
}

INT_PTR RunModal(const std::function<INT_PTR()> &open, const char *caption,
                 const std::function<void(HWND)> &drive, bool *seen)
{
    modalDrive = drive;
    modalCaption = caption;
    modalSeen = false;
    modalStart = GetTickCount();
    UINT_PTR timer = SetTimer(NULL, 0, 20, DriveModal);
    INT_PTR result = open();
    KillTimer(NULL, timer);
    if (seen)
        *seen = modalSeen;
    return result;
}

COLORREF IconCentre(HWND iconControl)
{
    HICON icon = (HICON)SendMessageA(iconControl, STM_GETICON, 0, 0);
    if (!icon)
        return CLR_INVALID;
    HDC screen = GetDC(NULL);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 32, 32);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = { 0, 0, 32, 32 };
    FillRect(dc, &all, (HBRUSH)GetStockObject(WHITE_BRUSH));
    DrawIconEx(dc, 0, 0, icon, 32, 32, 0, NULL, DI_NORMAL);
    COLORREF colour = GetPixel(dc, 16, 16);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(NULL, screen);
    return colour;
}

// A name or ordinal field of a template: 0xFFFF and a number, or a wide string.
static std::string ReadNameOrOrdinal(const WORD *&at)
{
    if (*at == 0xFFFF) {
        int ordinal = at[1];
        at += 2;
        return "#" + std::to_string(ordinal);
    }
    std::string text;
    while (*at)
        text += (char)*at++;
    ++at;
    return text;
}

static const WORD *AlignDword(const WORD *at, const BYTE *base)
{
    return (const WORD *)(base + (((const BYTE *)at - base + 3) & ~3));
}

DialogTemplate ReadTemplate(HMODULE module, int id)
{
    DialogTemplate result;
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), (LPCSTR)RT_DIALOG);
    const BYTE *base = found ? (const BYTE *)LockResource(LoadResource(module, found)) : NULL;
    if (!base)
        return result;
    const DLGTEMPLATE *dialog = (const DLGTEMPLATE *)base;
    result.found = true;
    result.style = dialog->style;
    result.x = dialog->x;
    result.y = dialog->y;
    result.cx = dialog->cx;
    result.cy = dialog->cy;
    const WORD *at = (const WORD *)(dialog + 1);
    ReadNameOrOrdinal(at);   // menu
    ReadNameOrOrdinal(at);   // class
    result.caption = ReadNameOrOrdinal(at);
    if (dialog->style & DS_SETFONT) {
        result.pointSize = *at++;
        result.font = ReadNameOrOrdinal(at);
    }
    static const char *const atoms[] = { "BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX" };
    for (int i = 0; i < dialog->cdit; ++i) {
        at = AlignDword(at, base);
        const DLGITEMTEMPLATE *item = (const DLGITEMTEMPLATE *)at;
        TemplateItem control;
        control.style = item->style;
        control.x = item->x;
        control.y = item->y;
        control.cx = item->cx;
        control.cy = item->cy;
        control.id = (int)(short)item->id;
        at = (const WORD *)((const BYTE *)item + 18);
        std::string className = ReadNameOrOrdinal(at);
        if (className.size() > 1 && className[0] == '#') {
            int atom = atoi(className.c_str() + 1);
            if (atom >= 0x80 && atom <= 0x85)
                className = atoms[atom - 0x80];
        }
        control.className = className;
        control.text = ReadNameOrOrdinal(at);
        WORD extra = *at++;
        at = (const WORD *)((const BYTE *)at + extra);
        result.items.push_back(control);
    }
    return result;
}
