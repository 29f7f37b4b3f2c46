// In-memory settings; reading them from the registry comes with the settings store.
#include "settings.h"

int defaultTvApp = 9;
int alwaysRemoteOff = 0;

void LoadSettings(void)
{
}
