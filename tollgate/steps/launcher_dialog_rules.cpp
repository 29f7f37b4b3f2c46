// The launcher dialog's plain-value rules.
#include "steps/launcher_dialog_rules.h"

unsigned LauncherTimerPeriod(int waitTimer)
{
    return waitTimer < 0 ? 0u : (unsigned)waitTimer;
}

void IconOrigin(int clientWidth, int clientHeight, int iconWidth, int iconHeight, int *x, int *y)
{
    *x = (clientWidth - iconWidth + 1) / 2;
    *y = (clientHeight - iconHeight + 1) / 2;
}

int DialogStays(int msuLaunched, int enableTimer)
{
    return msuLaunched == 1 && enableTimer != 0;
}
