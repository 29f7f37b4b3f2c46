// Stand-in for the medium's driver setup programs and further applications, and for the
// shell's handler of update packages. Copied onto a test medium under any name, it
//   - records each run: one "start" line with its own path, working folder, command line
//     and whether another stand-in was running at that moment, and one "end" line;
//   - does what a plan beside it says: <own path>.plan, an INI file, section [stub]:
//       WaitMs=N          stay running N milliseconds
//       WaitForFile=PATH  stay running until PATH exists (at most 60 s)
//       FinishInstall=dword:N | string:TEXT | delete
//       FinishKey=KEY     key under HKLM for FinishInstall
//                         (default SOFTWARE\Microsoft\Windows\CurrentVersion)
//       ExitCode=N
// The record goes to the file named by SETUPSTUB_LOG, else to <own path>.log.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "record_file.h"

static char modulePath[MAX_PATH];
static char planPath[MAX_PATH + 8];

static void AppendRecord(const char *line)
{
    char logPath[MAX_PATH + 8];
    DWORD length = GetEnvironmentVariableA("SETUPSTUB_LOG", logPath, sizeof logPath);
    if (length == 0 || length >= sizeof logPath)
        snprintf(logPath, sizeof logPath, "%s.log", modulePath);
    // Several stand-ins may append to one record.
    AppendRecordLine(logPath, line);
}

static void PlanText(const char *key, char *value, DWORD size)
{
    GetPrivateProfileStringA("stub", key, "", value, size, planPath);
}

static void WriteFinishInstall(void)
{
    char how[256], keyPath[256];
    PlanText("FinishInstall", how, sizeof how);
    if (!how[0])
        return;
    PlanText("FinishKey", keyPath, sizeof keyPath);
    if (!keyPath[0])
        snprintf(keyPath, sizeof keyPath, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, NULL, 0, KEY_SET_VALUE, NULL, &key, NULL)
        != ERROR_SUCCESS)
        return;
    if (strncmp(how, "dword:", 6) == 0) {
        DWORD value = (DWORD)strtoul(how + 6, NULL, 0);
        RegSetValueExA(key, "FinishInstall", 0, REG_DWORD, (const BYTE *)&value, sizeof value);
    } else if (strncmp(how, "string:", 7) == 0) {
        RegSetValueExA(key, "FinishInstall", 0, REG_SZ, (const BYTE *)(how + 7),
                       (DWORD)strlen(how + 7) + 1);
    } else if (strcmp(how, "delete") == 0) {
        RegDeleteValueA(key, "FinishInstall");
    }
    RegFlushKey(key);
    RegCloseKey(key);
}

static void WaitAsTold(void)
{
    char text[MAX_PATH];
    PlanText("WaitMs", text, sizeof text);
    if (text[0])
        Sleep((DWORD)strtoul(text, NULL, 10));
    PlanText("WaitForFile", text, sizeof text);
    if (text[0]) {
        DWORD start = GetTickCount();
        while (GetFileAttributesA(text) == INVALID_FILE_ATTRIBUTES && GetTickCount() - start < 60000)
            Sleep(20);
    }
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    DWORD length = GetModuleFileNameA(NULL, modulePath, sizeof modulePath);
    if (length == 0 || length >= sizeof modulePath)
        return 3;
    snprintf(planPath, sizeof planPath, "%s.plan", modulePath);

    // Every stand-in keeps this mutex open while it runs: one that finds it existing
    // started while another was still running.
    HANDLE running = CreateMutexA(NULL, FALSE, "Local\\setupstub.running");
    int overlap = running && GetLastError() == ERROR_ALREADY_EXISTS;

    char folder[MAX_PATH];
    if (!GetCurrentDirectoryA(sizeof folder, folder))
        folder[0] = '\0';
    char line[4096];
    snprintf(line, sizeof line, "start\tpid=%lu\toverlap=%d\texe=%s\tcwd=%s\tcmd=%s\r\n",
             GetCurrentProcessId(), overlap, modulePath, folder, GetCommandLineA());
    AppendRecord(line);

    WaitAsTold();
    WriteFinishInstall();

    char exitText[32];
    PlanText("ExitCode", exitText, sizeof exitText);
    snprintf(line, sizeof line, "end\tpid=%lu\r\n", GetCurrentProcessId());
    AppendRecord(line);
    if (running)
        CloseHandle(running);
    return exitText[0] ? atoi(exitText) : 0;
}
