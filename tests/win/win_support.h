// Helpers shared by the Win32 and end-to-end tests.
#ifndef TESTS_WIN_SUPPORT_H
#define TESTS_WIN_SUPPORT_H

#include <windows.h>
#include <string>

#include "stick_state.h"

// Pumps this thread's messages until the condition holds or the deadline passes.
template <typename Condition>
bool WaitFor(Condition condition, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return condition();
        MSG message;
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
    }
}

// Pumps messages for a fixed time; only where the absence of an event is the point.
void PumpFor(DWORD milliseconds);

// Puts the pointer at a place and waits until it stays there: on a fresh display Wine may
// still take the X server's first position after an early move. 1 when it stays.
int PlaceCursor(int x, int y);

// A folder of that name in the prefix's temporary folder (created), without a trailing backslash.
std::string TestTempFolder(const std::string &name);

// While on, a timer of this thread answers message boxes with this caption by OK, keeping the
// last one's text and counting them. Modal loops keep the timer running.
void StartAnsweringBoxes(const char *caption);
void StopAnsweringBoxes(void);
extern std::string answeredBoxText;
extern int answeredBoxes;

// Folder of the running test program, with a trailing backslash.
std::string ModuleFolder(void);

// A copy of the virtual stick's shared state.
StickState StickSnapshot(void);
void ResetStick(void);

// A window of a class of its own (registered on first use), e.g. posing as a TV application.
HWND OpenTestWindow(const char *windowClass, const char *title, WNDPROC procedure = DefWindowProcA,
                    DWORD style = WS_OVERLAPPED, DWORD extendedStyle = 0,
                    int x = 0, int y = 0, int width = 10, int height = 10);

// Closes kestrel's window, waits for the process and ends it if it hangs; clears the handle.
void EndKestrel(HANDLE &process);

// Starts a command line; program may be NULL to let the command line name it. The thread
// handle is closed; hProcess stays open (Wine gives a Unix program none). 1 when started.
int StartCommandLine(const char *program, const std::string &commandLine, const char *folder,
                     PROCESS_INFORMATION *process);

// Starts a program of the build folder with arguments; returns its process handle.
HANDLE StartProgram(const std::string &program, const std::string &arguments);
// Runs a program of the build folder to its end; returns its exit code, or -1.
int RunProgram(const std::string &program, const std::string &arguments, DWORD timeoutMs = 20000);

#endif
