// Shut-down confirmation state and the test that no TV application is on screen.
#include "shutdown.h"
#include "../profiles/app_windows.h"
#include "../profiles/detection_order.h"

int shutdownDialogOpen = 0;
HWND shutdownDialogWindow = NULL;

int NoTvAppWindowPresent(void)
{
    int found = 0;
    // All nine lookups, always, in detection order.
    for (int position = 0; position < 9; ++position)
        if (FindDetectionWindow(detectionOrder[position]))
            found = 1;
    return !found;
}

void ShowShutdownDialog(HWND)
{
}
