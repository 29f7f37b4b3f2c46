// The tray balloon for an application that runs as administrator.
#include "core/reach_notice.h"

#include <windows.h>

#include "base/program_message.h"
#include "common/bounded_text.h"
#include "core/tray.h"
#include "profiles/catalogue.h"
#include "profiles/detection_order.h"
#include "profiles/profile.h"
#include "res/resource.h"

static int told[TV_APP_COUNT + 1];

void TellUnreachableApps(void)
{
    WalkTvApps([](int index) {
        if (!tvApps[index].outOfReach || told[index])
            return false;
        told[index] = 1;
        char title[64];
        char rest[200];
        char text[256];
        FormatText(text, sizeof text, "%s%s", CatalogueEntry(index)->menuText,
                   ProgramString(IDS_OUT_OF_REACH, rest, sizeof rest));
        ShowTrayBalloon(ProgramString(IDS_WINDOW_TITLE, title, sizeof title), text);
        return false;
    });
}
