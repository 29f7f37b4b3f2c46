// The integrity comparison before an application is driven.
#include "profiles/window_reach.h"

#include "base/seams.h"

int WindowInReach(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    DWORD theirs = processIntegrity(processId);
    DWORD ours = processIntegrity(GetCurrentProcessId());
    return !theirs || !ours || theirs <= ours;
}
