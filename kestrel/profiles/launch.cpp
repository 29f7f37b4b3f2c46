// Launch and ActivateOrLaunch.
#include "launch.h"

#include <shellapi.h>

#include "app_windows.h"
#include "install_detection.h"
#include "primitives.h"
#include "profile.h"
#include "common/bounded_text.h"
#include "../ui/settings.h"

static HWND FindRunningInstance(int index)
{
    const TvAppProfile &profile = tvApps[index];
    if (profile.launchClass[0])
        return FindWindowA(profile.launchClass, NULL);
    return FindWindowByClassPrefix(index);
}

// "<Windows directory>\ehome\ehshell.exe": the shell the Media Center detection looked for.
static int MediaCenterShellPath(char *path, size_t size)
{
    char folder[256];
    UINT length = GetWindowsDirectoryA(folder, sizeof folder);
    if (length == 0 || length >= sizeof folder)
        return 0;
    return CopyText(path, size, folder) && AppendText(path, size, "\\ehome\\ehshell.exe");
}

HWND Launch(int index)
{
    if (index < 1 || index > TV_APP_COUNT)
        return NULL;
    HWND running = FindRunningInstance(index);
    if (running)
        return running;
    TvAppProfile &profile = tvApps[index];
    if (profile.installed == 0)
        return NULL;

    char path[256];
    int whole = CopyText(path, sizeof path, profile.installDir) && AppendText(path, sizeof path, "\\") &&
                AppendText(path, sizeof path, profile.exeName);
    // Media Center as the default takes its own shell, whichever profile is launched.
    if (DetectMediaCenter() && defaultTvApp == APP_MEDIACENTER)
        whole = MediaCenterShellPath(path, sizeof path);

    // A cut path would start some other program; report it like any failed start.
    INT_PTR result = whole ? (INT_PTR)ShellExecuteA(NULL, "open", path, "remote", NULL, SW_SHOW) : 0;
    if (result > 32)
        profile.active = 1;
    else
        MessageBoxA(NULL, "Can't launch TV application what you want.", "Remote Control", MB_OK);
    return FindRunningInstance(index);
}

HWND ActivateOrLaunch(int index)
{
    if (index < 1 || index > TV_APP_COUNT || tvApps[index].installed != 1)
        return NULL;
    HWND window = FindWindowByClassPrefix(index);
    if (!window)
        window = Launch(index);
    if (!window)
        return NULL;
    Activate(window);
    return window;
}
