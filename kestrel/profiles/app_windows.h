// Top-level window lookups of the TV applications.
#ifndef KESTREL_APP_WINDOWS_H
#define KESTREL_APP_WINDOWS_H

#include <windows.h>

// Whether the application runs, by its catalogue class and/or title (whole strings, case
// ignored); the dispatcher's cascade, the launch watcher and the shut-down check use it.
HWND FindDetectionWindow(int index);
// The application's own lookup, for its key map, close and Power key.
HWND FindAppWindow(int index);
// The first top-level window whose class begins like the profile's launch class, over as
// many characters as its window name has (strncmp rules); NULL when none.
HWND FindWindowByClassPrefix(int index);
// 1 when none of the nine TV applications has a window by its detection lookup.
int NoTvAppWindowPresent(void);

#endif
