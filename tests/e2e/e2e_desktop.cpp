// Input as a user gives it: the real mouse through the X server, keys typed on the keyboard,
// and kestrel's tray menu opened with them.
#include "e2e_desktop.h"

#include <stdio.h>

#include "win_support.h"

bool RunHost(const std::string &commandLine)
{
    PROCESS_INFORMATION process;
    if (!StartCommandLine(NULL, commandLine, NULL, &process)) {
        fprintf(stderr, "cannot start %s: error %lu\n", commandLine.c_str(), GetLastError());
        return false;
    }
    return true;
}

bool RealClick(int x, int y, int button)
{
    char command[160];
    snprintf(command, sizeof command, "/usr/bin/xdotool mousemove %d %d click %d", x, y, button);
    return RunHost(command);
}

bool RealClickOn(HWND window, int button)
{
    RECT rect;
    if (!GetWindowRect(window, &rect))
        return false;
    return RealClick((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2, button);
}

bool ClickTrayIcon(int button)
{
    return WaitFor([] { return TrayIconWindow() != NULL; }, 5000) && RealClickOn(TrayIconWindow(), button);
}

bool MenuOpen()
{
    return FindWindowA("#32768", NULL) != NULL;
}

bool OpenTrayMenu()
{
    for (int attempt = 1; attempt <= 3; ++attempt) {
        if (!ClickTrayIcon(3))
            return false;
        // Without a window manager the first click after a dialog closed can get lost.
        if (WaitFor(MenuOpen, 2000))
            return true;
    }
    return false;
}

void TypeKeys(std::initializer_list<BYTE> keys)
{
    for (BYTE key : keys) {
        keybd_event(key, 0, 0, 0);
        keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
        PumpFor(60);
    }
}

void Chord(std::initializer_list<BYTE> modifiers, BYTE key)
{
    for (BYTE modifier : modifiers)
        keybd_event(modifier, 0, 0, 0);
    keybd_event(key, 0, 0, 0);
    keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
    for (auto it = modifiers.end(); it != modifiers.begin();)
        keybd_event(*--it, 0, KEYEVENTF_KEYUP, 0);
    PumpFor(60);
}
