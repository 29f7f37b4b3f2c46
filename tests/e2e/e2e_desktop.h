// Input as a user gives it: the real mouse through the X server, keys typed on the keyboard,
// and kestrel's tray menu opened with them.
#ifndef TESTS_E2E_DESKTOP_H
#define TESTS_E2E_DESKTOP_H

#include <windows.h>
#include <initializer_list>
#include <string>

// Starts a Linux program of the host (Wine starts Unix binaries too). There is no process
// handle to wait for, so callers wait for its effect instead.
bool RunHost(const std::string &commandLine);
// Moves the real pointer there and clicks button (1 left, 3 right) with xdotool.
bool RealClick(int x, int y, int button);
// The same in the middle of a window.
bool RealClickOn(HWND window, int button);
// Clicks the tray icon once it shows (deadline 5 s).
bool ClickTrayIcon(int button);
// A popup menu is tracked somewhere on the desktop.
bool MenuOpen();
// Right-clicks the tray icon with the real mouse until the menu is up; true when it is.
bool OpenTrayMenu();
// Keys typed one after another; they go to the foreground thread.
void TypeKeys(std::initializer_list<BYTE> keys);
// A key typed with modifiers held, modifiers pressed in order and let go in reverse.
void Chord(std::initializer_list<BYTE> modifiers, BYTE key);

#endif
