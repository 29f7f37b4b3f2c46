// kestrel's two registry settings: the default TV application and the remote-off switch.
#ifndef KESTREL_SETTINGS_H
#define KESTREL_SETTINGS_H

// DefaultTVAPP's application index, 9 until read; unchecked: a number outside 1..9 selects nothing.
// shared: set by the store, switching and the Setting dialog, read by the dispatcher and the tray.
extern int defaultTvApp;
// shared: AlwaysRemoteOff read as exactly 1 by the store; the start-up sequence then ends.
extern int alwaysRemoteOff;

// What became of a save.
enum SaveResult {
    SAVE_SKIPPED = 0,   // the key or the value is gone: nothing written, by design
    SAVE_WRITTEN = 1,
    SAVE_REFUSED = 2    // Windows refused opening the key for writing, or the write
};

// Reads both values once at start-up, creating the key and any missing value from the
// numbers in memory; where the key may only be read, reads what is there; always 1.
int LoadSettings(void);
// Writes defaultTvApp to DefaultTVAPP; a SaveResult.
int SaveDefaultApp(void);

#endif
