// Names compared without regard to ASCII letter case, as key maps, patterns, setting files
// and the launcher's folder names are matched.
#ifndef COMMON_TEXT_CASE_H
#define COMMON_TEXT_CASE_H

#include <stddef.h>

char FoldCase(char c);
int SameIgnoringCase(const char *a, const char *b);
// The first length characters of a and b, which both have at least that many.
int SameIgnoringCase(const char *a, const char *b, size_t length);

#endif
