// Entry point of Setup.exe: the launcher flow runs once and its outcome is the exit code.
#include <windows.h>

#include "flow/dll_search.h"
#include "flow/launcher_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // Elevated and started from removable or downloaded media: no DLL from there.
    RestrictDllSearch();
    return LauncherStartUp();
}
