// Storage of the nine profile records and their process-wide marks.
#include "profile.h"

TvAppProfile tvApps[TV_APP_COUNT + 1];
int launchWatch[TV_APP_COUNT + 1];
int xpMediaCenter = 0;
