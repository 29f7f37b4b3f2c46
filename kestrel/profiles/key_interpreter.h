// The one interpreter of the key maps.
#ifndef KESTREL_KEY_INTERPRETER_H
#define KESTREL_KEY_INTERPRETER_H

#include "profiles/key_map.h"

// The digit of a digit key code (30..38: 1..9, 39: 0), or -1 for any other code.
int DigitOfKey(unsigned int code);
// Runs the rows of code: one window lookup, every row in order, then the pause of the entry.
void RunKeyMap(int index, const KeyMap &map, unsigned int code);
// Runs the rows of code on a window the caller found (a user's application): every row in
// order, its pauses where they stand.
void RunUserKeyMap(HWND window, const KeyMap &map, unsigned int code);

#endif
