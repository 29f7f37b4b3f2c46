// One row per TV application, in index order, and the profile records built from them.
#include "profiles/catalogue.h"

#include <string.h>

#include "common/bounded_text.h"
#include "profiles/keys_deverororu.h"
#include "profiles/keys_mediacenter.h"
#include "profiles/keys_myictv.h"
#include "profiles/keys_powercinema.h"
#include "profiles/keys_totalmedia.h"
#include "profiles/keys_windvr.h"
#include "profiles/keys_xperttvr.h"
#include "profiles/keys_zoruvuviro.h"
#include "profiles/media_center.h"
#include "profiles/profile.h"

static constexpr CloseAction closeByAltF4 = { 1, 0, 0, 0 };

static constexpr CloseAction CloseByMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return { 0, message, wParam, lParam };
}

// Constant-initialised: the profiles are built from it before any dynamic initialiser runs.
static constexpr TvAppEntry catalogue[TV_APP_COUNT] = {
    { APP_POWERCINEMA, "PowerCinema", NULL, "PowerCinema", NULL, "", "PowerCinema",
      "SOFTWARE\\CyberLink\\PowerCinema", "InstallPath", "PowerCinema.exe", NULL, NULL,
      0, closeByAltF4, &powerCinemaKeys },
    { APP_WINDVR, "WinDVR", NULL, "InterVideo WinDVR", NULL, "", "InterVideo WinDVR",
      "Software\\InterVideo\\WinDVR", "PATH", "WINDVR.EXE", NULL, NULL,
      1, CloseByMessage(WM_KEYDOWN, 'X', 0x002D0001), &winDvrKeys },
    { APP_MYICTV, "My_ICTV", NULL, "My IC-TV Media Center", NULL, "My IC-TV", "My IC-TV Media Center",
      "Software\\Honestech\\HT IC-TV", "AppPath", "HT IC-TV.exe", NULL, NULL,
      0, CloseByMessage(5401, 5400, 1), &myIcTvKeys },
    { APP_MEDIACENTER, "Media Center Edition", "eHome Render Window", "Windows Media Center", &xpMediaCenter,
      "", "PowerCinema", "SOFTWARE\\CyberLink\\PowerCinema", "InstallPath", "EHSHELL.exe",
      DetectMediaCenter, MediaCenterLaunchPath, 0, closeByAltF4, &mediaCenterKeys },
    { APP_TOTALMEDIA, "TotalMedia", NULL, "Arcsoft TotalMedia", NULL, "", "TotalMedia",
      "SOFTWARE\\ArcSoft\\TotalMedia", "AppPath", "TotalMedia.exe", NULL, NULL,
      0, closeByAltF4, &totalMediaKeys },
    { APP_DEVERORORU, "DeverOroru", "VUzevaMainPanel_Class", "TVR", NULL, "DeverOroru", "VUzevaMainPanel_Class",
      "Software\\Honestech\\TV Plus\\DTVR", "AppPath", "MainPanel.exe", NULL, NULL,
      0, CloseByMessage(MAIN_PANEL_COMMAND_MESSAGE, 1, 0), &deverOroruKeys },
    { APP_XPERTTVR, "XpertTVR", "XPERT_TVR", NULL, NULL, "XPERT_TVR", "FormMainWindow",
      "Software\\Honestech\\TV Plus\\TVR", "AppPath", "honestechTV.EXE", NULL, NULL,
      0, CloseByMessage(TVR_COMMAND_MESSAGE, 1, 0), &xpertTvrKeys },
    { APP_RARARURI, "RAR-A RURI", "VUZEVA_DVBT", NULL, NULL, "DVB-T_DTVR", "FormMainWindow",
      "SOFTWARE\\Honestech\\DVB Plus\\DTVR", "AppPath", "DTVR.EXE", NULL, NULL,
      0, CloseByMessage(TVR_COMMAND_MESSAGE, 1, 0), &xpertTvrKeys },
    { APP_ZORUVUVIRO, "ZoruvUviro Zuvava", "VUzevaMainPanel_Class", "ZoruvUviro Zuvava", NULL,
      "VUzevaMainPanel_Class", "ZoruvUviro Zuvava",
      "Software\\VUzeva Multimedia\\TV Center\\DTVR", "AppPath", "MainCenter.exe", NULL, NULL,
      0, CloseByMessage(MAIN_PANEL_COMMAND_MESSAGE, 25, 0), &zoruvUviroKeys },
};

const TvAppEntry *CatalogueEntry(int index)
{
    return IsTvAppIndex(index) ? &catalogue[index - 1] : NULL;
}

void BuildProfile(int index)
{
    const TvAppEntry *entry = CatalogueEntry(index);
    if (!entry)
        return;
    TvAppProfile &profile = tvApps[index];
    memset(&profile, 0, sizeof profile);
    ReadInstallPath(profile, entry->registryKey, entry->registryValue, entry->exeName);
    CopyText(profile.launchClass, sizeof profile.launchClass, entry->launchClass);
    CopyText(profile.windowName, sizeof profile.windowName, entry->windowName);
}

void BuildProfiles(void)
{
    for (const TvAppEntry &entry : catalogue)
        BuildProfile(entry.index);
}

// The install paths are read before the main window exists, as the records come to life.
static const int profilesBuilt = (BuildProfiles(), 1);

