// The real mouse through the X server, and kestrel's tray menu opened with it.
#ifndef TESTS_E2E_DESKTOP_H
#define TESTS_E2E_DESKTOP_H

#include <windows.h>
#include <string>

// Starts a Linux program of the host (Wine starts Unix binaries too). There is no process
// handle to wait for, so callers wait for its effect instead.
bool RunHost(const std::string &commandLine);
// Moves the real pointer there and clicks button (1 left, 3 right) with xdotool.
bool RealClick(int x, int y, int button);
// A popup menu is tracked somewhere on the desktop.
bool MenuOpen();
// Right-clicks the tray icon with the real mouse until the menu is up; true when it is.
bool OpenTrayMenu();

#endif
