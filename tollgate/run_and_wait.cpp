// RunAndWait: one program at a time, with no time limit.
#include "run_and_wait.h"

#include <windows.h>

#include "bounded_text.h"
#include "launcher_message.h"
#include "module_folder.h"

int RunAndWait(const char *commandLine)
{
    // CreateProcessA may write into its command line.
    char writable[COMMAND_LINE_SIZE];
    if (!CopyText(writable, sizeof writable, commandLine)) {
        ShowTooLong("This command line is too long, so it was not run:", commandLine);
        return 0;
    }
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    ZeroMemory(&process, sizeof process);
    if (!CreateProcessA(NULL, writable, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
        ShowLauncherMessage("CreateProcess failed.");
        return 0;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 1;
}
