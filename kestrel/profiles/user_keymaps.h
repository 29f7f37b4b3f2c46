// The user's own applications from keymaps.ini: sections of window patterns, a repeat rule
// and rows for the key-map interpreter.
#ifndef KESTREL_USER_KEYMAPS_H
#define KESTREL_USER_KEYMAPS_H

#include <stddef.h>

#include "profiles/key_map.h"

enum {
    USER_APP_MAX = 32,
    USER_ROW_MAX = 1024,
    USER_NAME_SIZE = 64,
    USER_PATTERN_SIZE = 128,
    // A key-map file is read up to this size; the rest is left out.
    KEYMAP_FILE_MAX = 65536,
    // The problems listed one by one; the rest are counted.
    PROBLEMS_LISTED = 10,
    PROBLEMS_TEXT_SIZE = 2048,
    // As for the nine: a held key passes its first event and every tenth repeat.
    DEFAULT_REPEAT_EVERY = 10
};

struct UserApp {
    char name[USER_NAME_SIZE];
    char windowClass[USER_PATTERN_SIZE];
    char windowTitle[USER_PATTERN_SIZE];
    int repeatEvery;   // a held key passes every Nth repeat; 0 passes none
    KeyMap map;        // its rows within the file's row table
};

// shared: written by ParseUserKeymaps, read by user_app_windows.cpp, core/user_route.cpp, tests.
extern UserApp userApps[USER_APP_MAX];
extern int userAppCount;

// Replaces the user's applications by those of text (length bytes, not terminated).
// problems gets the message for the lines that were skipped (fileName, line number, the line,
// what was expected), empty when none; returns how many lines were skipped.
int ParseUserKeymaps(const char *text, size_t length, const char *fileName, char *problems,
                     size_t problemsSize);
// Whether the application has a line for code.
int UserAppMapsCode(const UserApp &app, unsigned int code);

#endif
