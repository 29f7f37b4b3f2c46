// One row per TV application, in index order.
#include "catalogue.h"

#include "app_windows.h"
#include "key_maps.h"

static constexpr CloseAction closeByAltF4 = { 1, 0, 0, 0 };

static constexpr CloseAction CloseByMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return { 0, message, wParam, lParam };
}

// Constant-initialised: the profiles are built from it before any dynamic initialiser runs.
static constexpr TvAppEntry catalogue[TV_APP_COUNT] = {
    { APP_POWERCINEMA, "PowerCinema", NULL, "PowerCinema", "", "PowerCinema",
      "SOFTWARE\\CyberLink\\PowerCinema", "InstallPath", "PowerCinema.exe",
      FindDetectionWindow, closeByAltF4, &powerCinemaKeys },
    { APP_WINDVR, "WinDVR", NULL, "InterVideo WinDVR", "", "InterVideo WinDVR",
      "Software\\InterVideo\\WinDVR", "PATH", "WINDVR.EXE",
      FindWinDvrWindow, CloseByMessage(WM_KEYDOWN, 'X', 0x002D0001), &winDvrKeys },
    { APP_MYICTV, "My_ICTV", NULL, "My IC-TV Media Center", "My IC-TV", "My IC-TV Media Center",
      "Software\\Honestech\\HT IC-TV", "AppPath", "HT IC-TV.exe",
      FindDetectionWindow, CloseByMessage(5401, 5400, 1), &myIcTvKeys },
    { APP_MEDIACENTER, "Media Center Edition", "eHome Render Window", "Windows Media Center", "", "PowerCinema",
      "SOFTWARE\\CyberLink\\PowerCinema", "InstallPath", "EHSHELL.exe",
      FindDetectionWindow, closeByAltF4, &mediaCenterKeys },
    { APP_TOTALMEDIA, "TotalMedia", NULL, "Arcsoft TotalMedia", "", "TotalMedia",
      "SOFTWARE\\ArcSoft\\TotalMedia", "AppPath", "TotalMedia.exe",
      FindDetectionWindow, closeByAltF4, &totalMediaKeys },
    { APP_DEVERORORU, "DeverOroru", "VUzevaMainPanel_Class", "TVR", "DeverOroru", "VUzevaMainPanel_Class",
      "Software\\Honestech\\TV Plus\\DTVR", "AppPath", "MainPanel.exe",
      FindDetectionWindow, CloseByMessage(4024, 1, 0), &deverOroruKeys },
    { APP_XPERTTVR, "XpertTVR", "XPERT_TVR", NULL, "XPERT_TVR", "FormMainWindow",
      "Software\\Honestech\\TV Plus\\TVR", "AppPath", "honestechTV.EXE",
      FindDetectionWindow, CloseByMessage(3024, 1, 0), &xpertTvrKeys },
    { APP_RARARURI, "RAR-A RURI", "VUZEVA_DVBT", NULL, "DVB-T_DTVR", "FormMainWindow",
      "SOFTWARE\\Honestech\\DVB Plus\\DTVR", "AppPath", "DTVR.EXE",
      FindDetectionWindow, CloseByMessage(3024, 1, 0), &xpertTvrKeys },
    { APP_ZORUVUVIRO, "ZoruvUviro Zuvava", "VUzevaMainPanel_Class", "ZoruvUviro Zuvava",
      "VUzevaMainPanel_Class", "ZoruvUviro Zuvava",
      "Software\\VUzeva Multimedia\\TV Center\\DTVR", "AppPath", "MainCenter.exe",
      FindDetectionWindow, CloseByMessage(4024, 25, 0), &zoruvUviroKeys },
};

const TvAppEntry *CatalogueEntry(int index)
{
    if (index < 1 || index > TV_APP_COUNT)
        return NULL;
    return &catalogue[index - 1];
}
