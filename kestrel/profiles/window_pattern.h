// The window class and title patterns of the user's key maps.
#ifndef KESTREL_WINDOW_PATTERN_H
#define KESTREL_WINDOW_PATTERN_H

// Whether text matches pattern, letter case ignored: the whole text, or with * at the end
// "starts with", at the start "ends with", at both "contains". An empty pattern matches
// any text.
int MatchWindowPattern(const char *pattern, const char *text);

#endif
