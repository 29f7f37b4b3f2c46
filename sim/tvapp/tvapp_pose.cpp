// The nine TV applications the stand-in can pose as, one row each.
#include "tvapp_pose.h"

#include <windows.h>

// Classes of our own where the application's class plays no part in how it is found.
static const TvAppPose poses[TVAPP_POSE_COUNT] = {
    { 1, "PowerCinema.exe", "tvapp_PowerCinema", "PowerCinema" },
    { 2, "WINDVR.EXE", "tvapp_WinDVR", "InterVideo WinDVR" },
    { 3, "HT IC-TV.exe", "My IC-TV", "My IC-TV Media Center" },
    { 4, "EHSHELL.exe", "eHome Render Window", "Windows Media Center" },
    { 5, "TotalMedia.exe", "tvapp_TotalMedia", "Arcsoft TotalMedia" },
    { 6, "MainPanel.exe", "VUzevaMainPanel_Class", "TVR" },
    { 7, "honestechTV.EXE", "XPERT_TVR", "XpertTVR" },
    { 8, "DTVR.EXE", "VUZEVA_DVBT", "RAR-A RURI" },
    { 9, "MainCenter.exe", "VUzevaMainPanel_Class", "ZoruvUviro Zuvava" },
};

const TvAppPose *PoseByIndex(int index)
{
    if (index < 1 || index > TVAPP_POSE_COUNT)
        return NULL;
    return &poses[index - 1];
}

const TvAppPose *PoseByExeName(const char *fileName)
{
    for (int i = 0; i < TVAPP_POSE_COUNT; ++i) {
        if (lstrcmpiA(poses[i].exeName, fileName) == 0)
            return &poses[i];
    }
    return NULL;
}
