// PowerOffComputer: the shut-down privilege, then ExitWindowsEx through its seam.
#include "base/power_off.h"

#include <windows.h>

#include "base/program_message.h"
#include "base/seams.h"
#include "res/resource.h"

// Enables the shut-down privilege in this process's token; 1 when it was granted.
static int EnableShutdownPrivilege(void)
{
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return 0;
    TOKEN_PRIVILEGES state;
    ZeroMemory(&state, sizeof state);
    LookupPrivilegeValueA(NULL, "SeShutdownPrivilege", &state.Privileges[0].Luid);
    state.PrivilegeCount = 1;
    state.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    AdjustTokenPrivileges(token, FALSE, &state, 0, NULL, NULL);
    // Success with ERROR_NOT_ALL_ASSIGNED means the user lacks the privilege.
    DWORD error = GetLastError();
    CloseHandle(token);
    return error == ERROR_SUCCESS;
}

void PowerOffComputer(void)
{
    OSVERSIONINFOA version;
    ZeroMemory(&version, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    windowsVersion(&version);
    if (version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) {
        // The 95 family has no privileges, and nothing to say when it refuses.
        exitWindows(EWX_SHUTDOWN, 0);
        return;
    }
    if (!EnableShutdownPrivilege())
        return;
    if (!exitWindows(EWX_POWEROFF | EWX_FORCE, 0))
        ShowProgramMessage(IDS_POWER_OFF_FAILED, MB_OK);
}
