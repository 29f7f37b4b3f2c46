// Pattern matching for user applications' windows, without the window system.
#include "profiles/window_pattern.h"

#include <string.h>

static char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? (char)(c - 'A' + 'a') : c;
}

static int SameText(const char *a, const char *b, size_t length)
{
    for (size_t i = 0; i < length; ++i) {
        if (Lower(a[i]) != Lower(b[i]))
            return 0;
    }
    return 1;
}

int MatchWindowPattern(const char *pattern, const char *text)
{
    size_t length = strlen(pattern);
    if (length == 0)
        return 1;
    int anyBefore = pattern[0] == '*';
    int anyAfter = length > 1 && pattern[length - 1] == '*';
    const char *core = pattern + anyBefore;
    size_t coreLength = length - (size_t)anyBefore - (size_t)anyAfter;
    size_t textLength = strlen(text);
    if (coreLength > textLength)
        return 0;
    if (!anyBefore && !anyAfter)
        return coreLength == textLength && SameText(core, text, coreLength);
    if (!anyBefore)
        return SameText(core, text, coreLength);
    if (!anyAfter)
        return SameText(core, text + textLength - coreLength, coreLength);
    for (size_t at = 0; at + coreLength <= textLength; ++at) {
        if (SameText(core, text + at, coreLength))
            return 1;
    }
    return 0;
}
