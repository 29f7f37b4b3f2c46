// kestrel's two registry settings, held in memory.
#ifndef KESTREL_SETTINGS_H
#define KESTREL_SETTINGS_H

// TV application index of the default application (DefaultTVAPP).
extern int defaultTvApp;
// AlwaysRemoteOff: 1 keeps the utility from running.
extern int alwaysRemoteOff;

void LoadSettings(void);

#endif
