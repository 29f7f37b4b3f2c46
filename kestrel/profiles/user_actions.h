// The actions of a code line in keymaps.ini: key, post, message and pause.
#ifndef KESTREL_USER_ACTIONS_H
#define KESTREL_USER_ACTIONS_H

#include "common/text_span.h"
#include "profiles/key_map.h"

// What a skipped line should have held: a printf format with at most one %d, the limit it names.
struct Expected {
    const char *text;
    int limit;
};

// One action ("<verb> <argument>") as the row the interpreter runs for code; 0 with what was
// expected.
int ReadUserAction(TextSpan action, unsigned int code, KeyMapRow *row, Expected *expected);

#endif
