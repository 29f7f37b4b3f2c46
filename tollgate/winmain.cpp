// Entry point of Setup.exe: the launcher flow runs once and the program ends.
#include <windows.h>

#include "launcher_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    LauncherStartUp();
    return 0;
}
