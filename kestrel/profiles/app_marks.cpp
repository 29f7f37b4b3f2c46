// Plain reads and writes of the profile marks.
#include "profiles/app_marks.h"

#include "profiles/catalogue.h"
#include "profiles/profile.h"

int AppInstalledMark(int index)
{
    return IsTvAppIndex(index) ? tvApps[index].installed : 0;
}

int AppListedAsInstalled(int index)
{
    const TvAppEntry *entry = CatalogueEntry(index);
    if (entry && entry->installedNow)
        return entry->installedNow();
    return AppInstalledMark(index);
}

void EndLaunchWatch(int index)
{
    if (!IsTvAppIndex(index))
        return;
    tvApps[index].active = 0;
    launchWatch[index] = 0;
}
