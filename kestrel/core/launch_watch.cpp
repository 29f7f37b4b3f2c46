// Launch watcher: drops a launched application's active mark once its window is gone.
#include "core/launch_watch.h"

#include "base/seams.h"
#include "profiles/app_marks.h"
#include "profiles/app_windows.h"
#include "profiles/detection_order.h"
#include "profiles/profile.h"

AppTimer watchTimer(WATCH_TIMER_ID, WatchLaunchedApp);

void CALLBACK WatchLaunchedApp(HWND, UINT, UINT_PTR, DWORD)
{
    int index = FirstFlaggedApp(launchWatch);
    if (index == 0) {
        // Nothing was launched: give a starting application time before giving up.
        sleepThread(2000);
        StopTimer(watchTimer);
        return;
    }
    if (FindDetectionWindow(index))
        return;
    EndLaunchWatch(index);
    StopTimer(watchTimer);
}
