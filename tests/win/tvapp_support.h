// The TV application stand-in (tvapp.exe) as tests drive it: installed under an application's
// file name, started or found on the desktop, and its record read back in order.
#ifndef TESTS_TVAPP_SUPPORT_H
#define TESTS_TVAPP_SUPPORT_H

#include <windows.h>
#include <string>
#include <vector>

struct TvAppInstance {
    HANDLE process = NULL;
    DWORD processId = 0;
    HWND mainWindow = NULL;
    std::string recordPath;
    size_t taken = 0;   // record lines already handed out (the start line included)
    int marks = 0;      // marks posted so far; the next one is marks + 1
};

// Copies tvapp.exe (from the test program's own folder) to folder\exeName, creating folders;
// returns the full path or "".
std::string InstallTvApp(const std::string &folder, const char *exeName);
// Where a stand-in at exePath records when not told otherwise: its folder, its name without
// the extension, ".record.txt".
std::string TvAppRecordPath(const std::string &exePath);
// Starts exePath with arguments (CreateProcess), waits (deadline 10 s) for its main window
// and its start line; 1 on success. The record is the one named by --record in arguments,
// else TvAppRecordPath(exePath).
int StartTvApp(const std::string &exePath, const std::string &arguments, TvAppInstance *app);
// For an instance that someone else started (kestrel through the shell): waits (deadline) for
// a top-level window of class/title (NULL = any) of another process, opens its process and
// fills app with recordPath; 1 on success. Lines before the record's last start line are
// taken already.
int AttachTvApp(const char *windowClass, const char *title, const std::string &recordPath,
                DWORD timeoutMs, TvAppInstance *app);
// All complete record lines (re-read from the file), without line ends.
std::vector<std::string> ReadRecord(const std::string &recordPath);
// Posts a mark to the main window and waits (deadline 5 s) until it is recorded; returns the
// lines recorded since the previous TakeRecord (or since start, excluding the start line),
// without mark lines. When the main window is gone, waits for the end line instead (or for
// the process to end) and returns the remaining lines, the end line included. When the
// deadline passes, the lines so far are returned with a last line "timeout ...".
// Pumps the caller's messages while waiting.
std::vector<std::string> TakeRecord(TvAppInstance &app);
// The lines without activations and without the fg= field of posted messages: Wine activates
// another process's window asynchronously, so when it came to the front is not a stable fact.
std::vector<std::string> WithoutForeground(const std::vector<std::string> &lines);
// Ends the stand-in with TerminateProcess (so no close line is added), waits for it and
// closes its handle; recordPath stays.
void EndTvApp(TvAppInstance &app);

#endif
