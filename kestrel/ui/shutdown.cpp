// Shut-down confirmation state and the test that no TV application is on screen.
#include "shutdown.h"
#include "../profiles/app_windows.h"
#include "../profiles/detection_order.h"

int shutdownDialogOpen = 0;
HWND shutdownDialogWindow = NULL;

static int NoteWindow(int index, void *found)
{
    if (FindDetectionWindow(index))
        *(int *)found = 1;
    // All nine lookups, always.
    return 0;
}

int NoTvAppWindowPresent(void)
{
    int found = 0;
    WalkTvApps(NoteWindow, &found);
    return !found;
}

void ShowShutdownDialog(HWND)
{
}
