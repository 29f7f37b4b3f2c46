// keymaps.ini beside the program: read at start and again when its last-write time changes.
#ifndef KESTREL_USER_KEYMAP_WATCH_H
#define KESTREL_USER_KEYMAP_WATCH_H

// Reads the file (a missing one is no problem) and says what it skipped in one message box.
void ReadUserKeymapsAtStart(void);
// From the polling tick: at most once a second one file-attribute query, and a new reading
// when the file's last-write time or size changed, or it came or went.
void WatchUserKeymaps(void);

#endif
