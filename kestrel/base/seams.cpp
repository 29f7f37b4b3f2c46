// Default bindings of the seams.
#include "base/seams.h"

#include "base/process_integrity.h"

DWORD (WINAPI *clockTick)(void) = GetTickCount;
VOID (WINAPI *sleepThread)(DWORD) = Sleep;
BOOL (WINAPI *windowsVersion)(OSVERSIONINFOA *) = GetVersionExA;
BOOL (WINAPI *exitWindows)(UINT, DWORD) = ExitWindowsEx;
BOOL (WINAPI *setForegroundWindow)(HWND) = SetForegroundWindow;

static LONG OpenMachineKey(const char *path, REGSAM access, int create, HKEY *key)
{
    if (create)
        return RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, NULL, 0, access, NULL, key, NULL);
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, access, key);
}

LONG (*openSettingsKey)(const char *, REGSAM, int, HKEY *) = OpenMachineKey;

DWORD (*processIntegrity)(DWORD) = ProcessIntegrityLevel;
