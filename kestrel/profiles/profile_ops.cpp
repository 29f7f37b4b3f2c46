// Power and key routes into the applications' key maps.
#include "detection_order.h"
#include "profile.h"
#include "profile_ops.h"

// The key maps bring the applications' own actions; until then these routes end here.
void TogglePower(int)
{
}

void DispatchKey(int, unsigned int)
{
}

int FirstActiveApp(void)
{
    for (int position = 0; position < TV_APP_COUNT; ++position) {
        int index = detectionOrder[position];
        if (tvApps[index].active == 1)
            return index;
    }
    return 0;
}
