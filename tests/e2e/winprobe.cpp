// Looks at the Wine desktop from outside for scripts: winprobe cursor | tray | menu | menu-last | close-menu
//   cursor      prints "X Y" of the pointer
//   tray        prints "X Y" of the centre of the first tray icon Wine shows, or fails
//   menu        prints the items of the open popup menu, one a line ("-" for a separator)
//   menu-last   prints "X Y" of the centre of the open menu's last item
//   close-menu  closes the open popup menu
#include <windows.h>
#include <stdio.h>
#include <string.h>

static int PrintMenu(void)
{
    HWND menuWindow = FindWindowA("#32768", NULL);
    if (!menuWindow)
        return 1;
    HMENU menu = (HMENU)SendMessageA(menuWindow, MN_GETHMENU, 0, 0);
    if (!menu)
        return 1;
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[64] = "";
        UINT state = GetMenuState(menu, (UINT)i, MF_BYPOSITION);
        if (state & MF_SEPARATOR) {
            printf("-\n");
            continue;
        }
        GetMenuStringA(menu, (UINT)i, text, sizeof text, MF_BYPOSITION);
        printf("%s (%u)%s\n", text, GetMenuItemID(menu, i), (state & MF_CHECKED) ? " checked" : "");
    }
    return 0;
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
    if (strcmp(argv[1], "menu") == 0)
        return PrintMenu();
    if (strcmp(argv[1], "menu-last") == 0) {
        HWND menuWindow = FindWindowA("#32768", NULL);
        HMENU menu = menuWindow ? (HMENU)SendMessageA(menuWindow, MN_GETHMENU, 0, 0) : NULL;
        RECT item;
        if (!menu || !GetMenuItemRect(NULL, menu, (UINT)(GetMenuItemCount(menu) - 1), &item))
            return 1;
        printf("%ld %ld\n", (item.left + item.right) / 2, (item.top + item.bottom) / 2);
        return 0;
    }
    if (strcmp(argv[1], "close-menu") == 0) {
        HWND menuWindow = FindWindowA("#32768", NULL);
        if (!menuWindow)
            return 1;
        PostMessageA(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);
        return 0;
    }
    return 2;
}
