// RunAndWait: one program at a time, with no time limit.
#include "steps/run_and_wait.h"

#include <windows.h>

#include "common/bounded_text.h"
#include "medium/launcher_paths.h"
#include "steps/launcher_message.h"
#include "steps/run_and_wait_rules.h"

enum { WAIT_RETRY_MS = 100 };

// A wait that fails says nothing about the program: going on while it may still run
// would start the next step beside it. The exit code tells, looked at again and again.
static int WaitForEnd(HANDLE process)
{
    for (;;) {
        DWORD waited = WaitForSingleObject(process, INFINITE);
        DWORD code = 0;
        int read = GetExitCodeProcess(process, &code) != 0;
        switch (JudgeWait(waited, read, code)) {
        case WAIT_ENDED:
            return 1;
        case WAIT_STILL_RUNNING:
            Sleep(WAIT_RETRY_MS);
            break;
        case WAIT_UNKNOWN:
            return 0;
        }
    }
}

int RunAndWait(const char *commandLine, const char *caption)
{
    // CreateProcessA may write into its command line.
    char writable[COMMAND_LINE_SIZE];
    if (!CopyText(writable, sizeof writable, commandLine)) {
        ShowAboutText(caption, "This command line is too long, so it was not run:", commandLine);
        return 0;
    }
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    ZeroMemory(&process, sizeof process);
    if (!CreateProcessA(NULL, writable, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
        ShowLauncherMessage(caption, "CreateProcess failed.");
        return 0;
    }
    CloseHandle(process.hThread);
    int ended = WaitForEnd(process.hProcess);
    CloseHandle(process.hProcess);
    if (!ended)
        ShowAboutText(caption, "The launcher could not wait for this program to end:", commandLine);
    return ended;
}
