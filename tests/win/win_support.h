// Helpers shared by the Win32 and end-to-end tests.
#ifndef TESTS_WIN_SUPPORT_H
#define TESTS_WIN_SUPPORT_H

#include <windows.h>
#include <string>
#include <vector>

#include "stick_state.h"

// Pumps this thread's messages until the condition holds or the deadline passes, handing
// the identifier of every WM_TIMER of the window to onTimer as the system delivers it.
template <typename Condition, typename OnTimer>
bool WaitForWindowTimers(HWND window, Condition condition, DWORD timeoutMs, OnTimer onTimer)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return condition();
        MSG message;
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
            if (message.message == WM_TIMER && message.hwnd == window)
                onTimer(message.wParam);
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
    }
}

struct IgnoreTimers {
    void operator()(WPARAM) const {}
};

// The same without watching timers.
template <typename Condition>
bool WaitFor(Condition condition, DWORD timeoutMs)
{
    return WaitForWindowTimers(NULL, condition, timeoutMs, IgnoreTimers());
}

// Pumps messages for a fixed time; only where the absence of an event is the point.
void PumpFor(DWORD milliseconds);

// Puts the pointer at a place and waits until it stays there: on a fresh display Wine may
// still take the X server's first position after an early move. 1 when it stays.
int PlaceCursor(int x, int y);

// A folder of that name in the prefix's temporary folder (created), without a trailing backslash.
std::string TestTempFolder(const std::string &name);

// While on, a timer of this thread answers visible message boxes with this caption by OK,
// keeping the last one's text and whether it offered Cancel (or No), and counting them;
// beforeAnswer, if given, runs while the box is still up. Modal loops keep the timer running.
void StartAnsweringBoxes(const char *caption, void (*beforeAnswer)(void) = NULL);
void StopAnsweringBoxes(void);
extern std::string answeredBoxText;
extern bool answeredBoxHadCancel;
extern int answeredBoxes;
// Queues one report on the virtual stick, due at once, as the remote would send it;
// reportBytes 0 lets the receiver write all 8 bytes.
void QueueStickReport(BYTE status, const BYTE report[8], BYTE reportBytes);
// A key of this remote: identification 7, the code in byte 2.
void QueueStickKey(BYTE code);

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

// The window of the first icon in Wine's stand-alone tray (in the shell's process), or NULL.
HWND TrayIconWindow(void);
// Number of icons the stand-alone tray shows.
int TrayIconCount(void);
// The tip the tray shows for an icon: puts the pointer on it and reads the tooltip that
// appears; "" when none appears within the deadline.
std::string ShownTrayTip(HWND icon, DWORD timeoutMs = 3000);

// Button events as the mouse got them, seen by a low-level mouse hook in a thread of its own
// (WM_LBUTTONDOWN, WM_RBUTTONUP, ...; moves are left out).
int StartMouseRecorder(void);
std::vector<UINT> RecordedMouseButtons(void);
void StopMouseRecorder(void);

// Points this program's import entry for dll!function at a wrapper, so that a test sees the
// arguments a system call got; returns the real function, or NULL when nothing imports it.
void *RedirectImport(const char *dll, const char *function, void *wrapper);

#endif
