// launcherwatch.exe: starts a launcher as the medium's autorun would and tells what a user
// would see of it: each message box (caption and text), answered with OK, and the end.
//   launcherwatch PATH_TO_LAUNCHER
#include <windows.h>
#include <stdio.h>
#include <string>
#include <vector>

#include "tollgate_support.h"
#include "win_support.h"

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: launcherwatch PATH_TO_LAUNCHER\n");
        return 2;
    }
    std::string commandLine = std::string("\"") + argv[1] + "\"";
    PROCESS_INFORMATION process;
    if (!StartCommandLine(argv[1], commandLine, NULL, &process)) {
        printf("could not start %s (error %lu)\n", argv[1], GetLastError());
        return 1;
    }
    MessageBoxWatcher watcher(process.dwProcessId);
    DWORD code = (DWORD)-1;
    int ended = WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0;
    if (ended)
        GetExitCodeProcess(process.hProcess, &code);
    else
        TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hProcess);
    watcher.Stop();
    for (const SeenMessage &message : watcher.Seen())
        printf("message box \"%s\": %s\n", message.caption.c_str(), message.text.c_str());
    if (watcher.Seen().empty())
        printf("no message box\n");
    if (ended)
        printf("ended with exit code %lu\n", code);
    else
        printf("did not end within a minute; stopped\n");
    return ended ? 0 : 1;
}
