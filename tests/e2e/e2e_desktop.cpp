// The real mouse through the X server, and kestrel's tray menu opened with it.
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

bool MenuOpen()
{
    return FindWindowA("#32768", NULL) != NULL;
}

bool OpenTrayMenu()
{
    if (!WaitFor([] { return TrayIconWindow() != NULL; }, 5000))
        return false;
    RECT icon;
    GetWindowRect(TrayIconWindow(), &icon);
    for (int attempt = 1; attempt <= 3; ++attempt) {
        if (!RealClick((icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2, 3))
            return false;
        // Without a window manager the first click after a dialog closed can get lost.
        if (WaitFor(MenuOpen, 2000))
            return true;
    }
    return false;
}
