// Setup.exe runs for the end-to-end tests.
#include "tollgate_e2e.h"

#include <stdio.h>

#include "win_support.h"

static const char currentVersionKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
static const char x86FolderValue[] = "ProgramFilesDir (x86)";
static const char x86Folder[] = "C:\\Program Files (x86)";
static std::vector<std::string> posedNames;

std::vector<std::string> LauncherRun::Texts() const
{
    std::vector<std::string> texts;
    for (const SeenMessage &message : messages)
        texts.push_back(message.text);
    return texts;
}

void PoseAs(const std::string &launcherName, const char *wineVersion, bool x64)
{
    // Wine reports the version of an application's own defaults to that program only.
    std::string key = "Software\\Wine\\AppDefaults\\" + launcherName;
    SetRegistryString(HKEY_CURRENT_USER, key.c_str(), "Version", wineVersion);
    posedNames.push_back(launcherName);
    // A 32-bit system has no separate folder for 32-bit programs.
    if (x64)
        SetRegistryString(HKEY_LOCAL_MACHINE, currentVersionKey, x86FolderValue, x86Folder);
    else
        DeleteRegistryValue(HKEY_LOCAL_MACHINE, currentVersionKey, x86FolderValue);
}

void RestoreSystem(void)
{
    for (const std::string &name : posedNames)
        DeleteRegistryTree(HKEY_CURRENT_USER, ("Software\\Wine\\AppDefaults\\" + name).c_str());
    posedNames.clear();
    SetRegistryString(HKEY_LOCAL_MACHINE, currentVersionKey, x86FolderValue, x86Folder);
}

LauncherRun RunLauncher(const Medium &medium, const std::string &launcherName, DWORD timeoutMs)
{
    LauncherRun run = { false, (DWORD)-1, {} };
    SetEnvironmentVariableA("SETUPSTUB_LOG", medium.RecordPath().c_str());
    std::string path = medium.Path(launcherName);
    std::string commandLine = "\"" + path + "\"";
    PROCESS_INFORMATION process;
    if (!StartCommandLine(path.c_str(), commandLine, NULL, &process)) {
        fprintf(stderr, "cannot start %s: error %lu\n", path.c_str(), GetLastError());
        return run;
    }
    MessageBoxWatcher watcher(process.dwProcessId);
    DWORD waited = WaitForSingleObject(process.hProcess, timeoutMs);
    if (waited == WAIT_OBJECT_0) {
        run.ended = true;
        GetExitCodeProcess(process.hProcess, &run.exitCode);
    } else {
        fprintf(stderr, "%s did not end: wait result %lu, error %lu\n", path.c_str(), waited,
                GetLastError());
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, 5000);
    }
    CloseHandle(process.hProcess);
    watcher.Stop();
    run.messages = watcher.Seen();
    return run;
}
