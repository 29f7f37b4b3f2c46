// Plain reads and writes of the profile marks.
#include "app_marks.h"

#include "../profiles/install_detection.h"
#include "../profiles/profile.h"

int AppInstalledMark(int index)
{
    if (index < 1 || index > TV_APP_COUNT)
        return 0;
    return tvApps[index].installed;
}

int AppListedAsInstalled(int index)
{
    if (index == APP_MEDIACENTER)
        return DetectMediaCenter();
    return AppInstalledMark(index);
}

void ClearAppActive(int index)
{
    if (index >= 1 && index <= TV_APP_COUNT)
        tvApps[index].active = 0;
}
