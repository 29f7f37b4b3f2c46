// kestrel's two registry settings: the default TV application and the remote-off switch.
#ifndef KESTREL_SETTINGS_H
#define KESTREL_SETTINGS_H

// TV application index of the default application (DefaultTVAPP); 9 until read, used
// unchecked, so that a number outside 1..9 simply selects nothing.
extern int defaultTvApp;
// AlwaysRemoteOff read as exactly 1: the utility ends during start-up.
extern int alwaysRemoteOff;

// Reads both values once at start-up, creating the key and any missing value from the
// numbers in memory; always 1.
int LoadSettings(void);
// Writes defaultTvApp to DefaultTVAPP; 0 without writing when the key or the value is gone.
int SaveDefaultApp(void);

#endif
