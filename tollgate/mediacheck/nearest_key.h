// Suggesting the key that a misspelt Setting.ini key was meant to be.
#ifndef MEDIACHECK_NEAREST_KEY_H
#define MEDIACHECK_NEAREST_KEY_H

#include <stddef.h>

// Edits (insert, delete, replace one character) between two keys, letter case ignored.
size_t KeyDistance(const char *a, const char *b);

#endif
