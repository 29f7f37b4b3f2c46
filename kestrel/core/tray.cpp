// Tray icon 10 with callback message 1001, and the menu it opens.
#include "core/tray.h"

#include <shellapi.h>

#include "base/program_message.h"
#include "common/bounded_text.h"
#include "profiles/app_marks.h"
#include "profiles/catalogue.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/switching.h"

// The icon as added, for its refresh and its balloons, and the menu last shown.
static NOTIFYICONDATAA trayIconData;
static HMENU trayMenu = NULL;

int AddTrayIcon(HWND window, UINT iconId, HICON icon, const char *tip)
{
    ZeroMemory(&trayIconData, sizeof trayIconData);
    // The first layout of the record: every Windows version takes it.
    trayIconData.cbSize = NOTIFYICONDATAA_V1_SIZE;
    trayIconData.hWnd = window;
    trayIconData.uID = iconId;
    trayIconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    trayIconData.uCallbackMessage = TRAY_CALLBACK_MESSAGE;
    trayIconData.hIcon = icon;
    // The first layout's tip field: at most 63 characters and the terminator.
    CopyText(trayIconData.szTip, 64, tip);
    return Shell_NotifyIconA(NIM_ADD, &trayIconData) != FALSE;
}

int RemoveTrayIcon(HWND window, UINT iconId)
{
    NOTIFYICONDATAA icon;
    ZeroMemory(&icon, sizeof icon);
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = window;
    icon.uID = iconId;
    return Shell_NotifyIconA(NIM_DELETE, &icon) != FALSE;
}

int RefreshTrayIcon(void)
{
    return Shell_NotifyIconA(NIM_MODIFY, &trayIconData) != FALSE;
}

int ShowTrayBalloon(const char *title, const char *text)
{
    NOTIFYICONDATAA balloon;
    ZeroMemory(&balloon, sizeof balloon);
    // Balloons came with the second layout (XP has it); the icon's own record keeps the first.
    balloon.cbSize = NOTIFYICONDATAA_V2_SIZE;
    balloon.hWnd = trayIconData.hWnd;
    balloon.uID = trayIconData.uID;
    balloon.uFlags = NIF_INFO;
    balloon.uTimeout = 10000;
    balloon.dwInfoFlags = NIIF_WARNING;
    CopyText(balloon.szInfo, sizeof balloon.szInfo, text);
    CopyText(balloon.szInfoTitle, sizeof balloon.szInfoTitle, title);
    return Shell_NotifyIconA(NIM_MODIFY, &balloon) != FALSE;
}

// A separator, then an item with its text from the string table.
static void AppendTextItem(HMENU menu, UINT command, UINT textId)
{
    char text[32];
    AppendMenuA(menu, MF_SEPARATOR, 0, NULL);
    AppendMenuA(menu, MF_STRING, command, ProgramString(textId, text, sizeof text));
}

HMENU BuildTrayMenu(void)
{
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return NULL;
    // Only the default application is offered, and only when it is installed.
    const TvAppEntry *entry = CatalogueEntry(defaultTvApp);
    if (entry && AppListedAsInstalled(defaultTvApp)) {
        UINT flags = IsAppWindowPresent(defaultTvApp) == 1 ? MF_CHECKED : MF_STRING;
        AppendMenuA(menu, flags, CMD_LAUNCH_BASE + defaultTvApp, entry->menuText);
    }
    AppendTextItem(menu, CMD_SETTING, IDS_MENU_SETTING);
    AppendTextItem(menu, CMD_ABOUT, IDS_MENU_ABOUT);
    AppendTextItem(menu, CMD_EXIT, IDS_MENU_EXIT);
    return menu;
}

void ShowTrayMenu(HWND owner)
{
    POINT at;
    GetCursorPos(&at);
    if (trayMenu)
        DestroyMenu(trayMenu);
    trayMenu = BuildTrayMenu();
    if (!trayMenu)
        return;
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    TrackPopupMenu(trayMenu, 0, at.x, at.y, 0, owner, NULL);
}
