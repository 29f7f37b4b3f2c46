// Looks at the Wine desktop from outside for scripts: winprobe cursor | tray | menu-open | menu-last | keys | window | close | wm-close | close-menu
//   cursor      prints "X Y" of the pointer
//   tray        prints "X Y" of the centre of the first tray icon Wine shows, or fails
//   menu-open   succeeds while a popup menu is open
//   menu-last   prints "X Y" of the centre of the open menu's last item
//   keys K...   types up/down/return/escape/tab, alt+/ or alt+? on the keyboard
//   window T    succeeds when a top-level window titled T exists
//   close T     presses OK in the window titled T
//   wm-close T  asks the window titled T to close, as its close box does
//   close-menu  closes the open popup menu
//   rect T      prints "WxH+X+Y" of the window titled T (an ImageMagick crop)
//   menu-rect   prints "WxH+X+Y" of the open popup menu
//   tray-aside  moves Wine's tray window to the screen's bottom right corner, so that a
//               menu opened at its icon is no longer covered by it
//   texts T     prints the texts of the window's controls, one a line; a list's entries
//               follow, the selected one marked with "*"
#include <windows.h>
#include <stdio.h>
#include <string.h>

static void Chord(BYTE modifier1, BYTE modifier2, BYTE key)
{
    keybd_event(modifier1, 0, 0, 0);
    if (modifier2)
        keybd_event(modifier2, 0, 0, 0);
    keybd_event(key, 0, 0, 0);
    keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
    if (modifier2)
        keybd_event(modifier2, 0, KEYEVENTF_KEYUP, 0);
    keybd_event(modifier1, 0, KEYEVENTF_KEYUP, 0);
}

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    if (strcmp(argv[1], "cursor") == 0) {
        POINT at;
        GetCursorPos(&at);
        printf("%ld %ld\n", at.x, at.y);
        return 0;
    }
    if (strcmp(argv[1], "tray") == 0) {
        // Without a desktop Wine shows each icon as a child of one standalone tray window.
        HWND tray = FindWindowA("__winex11_standalone_tray", NULL);
        HWND icon = tray ? FindWindowExA(tray, NULL, "__winex11_tray_icon", NULL) : NULL;
        RECT rect;
        if (!icon || !GetWindowRect(icon, &rect))
            return 1;
        printf("%ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        return 0;
    }
    if (strcmp(argv[1], "menu-open") == 0)
        return FindWindowA("#32768", NULL) ? 0 : 1;
    if (strcmp(argv[1], "menu-last") == 0) {
        HWND menuWindow = FindWindowA("#32768", NULL);
        HMENU menu = menuWindow ? (HMENU)SendMessageA(menuWindow, MN_GETHMENU, 0, 0) : NULL;
        RECT item;
        if (!menu || !GetMenuItemRect(NULL, menu, (UINT)(GetMenuItemCount(menu) - 1), &item))
            return 1;
        printf("%ld %ld\n", (item.left + item.right) / 2, (item.top + item.bottom) / 2);
        return 0;
    }
    if (strcmp(argv[1], "keys") == 0) {
        // Typed as on the keyboard: they reach the foreground thread, e.g. a tracking menu.
        for (int i = 2; i < argc; ++i) {
            if (strcmp(argv[i], "alt+/") == 0 || strcmp(argv[i], "alt+?") == 0) {
                Chord(VK_MENU, argv[i][4] == '?' ? VK_SHIFT : 0, VK_OEM_2);
                Sleep(50);
                continue;
            }
            BYTE key = strcmp(argv[i], "up") == 0 ? VK_UP : strcmp(argv[i], "down") == 0 ? VK_DOWN
                     : strcmp(argv[i], "return") == 0 ? VK_RETURN : strcmp(argv[i], "escape") == 0 ? VK_ESCAPE
                     : strcmp(argv[i], "tab") == 0 ? VK_TAB : 0;
            if (!key)
                return 2;
            keybd_event(key, 0, 0, 0);
            keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
            Sleep(50);
        }
        return 0;
    }
    if (strcmp(argv[1], "window") == 0 && argc == 3)
        return FindWindowA(NULL, argv[2]) ? 0 : 1;
    if (strcmp(argv[1], "close") == 0 && argc == 3) {
        HWND window = FindWindowA(NULL, argv[2]);
        if (!window)
            return 1;
        PostMessageA(window, WM_COMMAND, IDOK, 0);
        return 0;
    }
    if (strcmp(argv[1], "wm-close") == 0 && argc == 3) {
        HWND window = FindWindowA(NULL, argv[2]);
        if (!window)
            return 1;
        PostMessageA(window, WM_CLOSE, 0, 0);
        return 0;
    }
    if (strcmp(argv[1], "close-menu") == 0) {
        HWND menuWindow = FindWindowA("#32768", NULL);
        if (!menuWindow)
            return 1;
        PostMessageA(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);
        return 0;
    }
    if (strcmp(argv[1], "rect") == 0 && argc == 3) {
        HWND window = FindWindowA(NULL, argv[2]);
        RECT rect;
        if (!window || !GetWindowRect(window, &rect))
            return 1;
        printf("%ldx%ld+%ld+%ld\n", rect.right - rect.left, rect.bottom - rect.top, rect.left, rect.top);
        return 0;
    }
    if (strcmp(argv[1], "menu-rect") == 0) {
        HWND menuWindow = FindWindowA("#32768", NULL);
        RECT rect;
        if (!menuWindow || !IsWindowVisible(menuWindow) || !GetWindowRect(menuWindow, &rect))
            return 1;
        printf("%ldx%ld+%ld+%ld\n", rect.right - rect.left, rect.bottom - rect.top, rect.left, rect.top);
        return 0;
    }
    if (strcmp(argv[1], "tray-aside") == 0) {
        HWND tray = FindWindowA("__winex11_standalone_tray", NULL);
        RECT rect;
        if (!tray || !GetWindowRect(tray, &rect))
            return 1;
        int x = GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left);
        int y = GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top);
        return SetWindowPos(tray, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) ? 0 : 1;
    }
    if (strcmp(argv[1], "texts") == 0 && argc == 3) {
        HWND window = FindWindowA(NULL, argv[2]);
        if (!window)
            return 1;
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            char name[32] = "";
            GetClassNameA(child, name, sizeof name);
            // An icon's text is its resource number, nothing to read.
            if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && _stricmp(name, "Static") == 0)
                continue;
            if (_stricmp(name, "ComboBox") != 0) {
                char text[256] = "";
                if (GetWindowTextA(child, text, sizeof text) > 0)
                    printf("%s\n", text);
                continue;
            }
            // Wide: another process's list hands its entries back in UTF-16.
            int selected = (int)SendMessageW(child, CB_GETCURSEL, 0, 0);
            int count = (int)SendMessageW(child, CB_GETCOUNT, 0, 0);
            for (int i = 0; i < count; ++i) {
                WCHAR text[128] = L"";
                if (SendMessageW(child, CB_GETLBTEXTLEN, (WPARAM)i, 0) < 128)
                    SendMessageW(child, CB_GETLBTEXT, (WPARAM)i, (LPARAM)text);
                printf("%s %ls\n", i == selected ? "*" : "-", text);
            }
        }
        return 0;
    }
    return 2;
}
