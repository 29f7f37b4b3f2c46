// Window class and title of each TV application as the key dispatcher looks for them.
#include "app_windows.h"
#include "profile.h"

struct DetectionWindow {
    const char *windowClass;
    const char *title;
};

// Indexed by TV application index; NULL matches anything.
static const DetectionWindow detectionWindows[TV_APP_COUNT + 1] = {
    { NULL, NULL },
    { NULL, "PowerCinema" },
    { NULL, "InterVideo WinDVR" },
    { NULL, "My IC-TV Media Center" },
    { "eHome Render Window", "Windows Media Center" },
    { NULL, "Arcsoft TotalMedia" },
    { "VUzevaMainPanel_Class", "TVR" },
    { "XPERT_TVR", NULL },
    { "VUZEVA_DVBT", NULL },
    { "VUzevaMainPanel_Class", "ZoruvUviro Zuvava" },
};

HWND FindDetectionWindow(int index)
{
    if (index < 1 || index > TV_APP_COUNT)
        return NULL;
    const DetectionWindow &search = detectionWindows[index];
    const char *title = search.title;
    // XP's Media Center titles its window differently; its class alone identifies it.
    if (index == APP_MEDIACENTER && xpMediaCenter == 1)
        title = NULL;
    return FindWindowExA(GetDesktopWindow(), NULL, search.windowClass, title);
}
