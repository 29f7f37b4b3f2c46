// Pattern matching for user applications' windows, without the window system.
#include "profiles/window_pattern.h"

#include <string.h>

#include "common/text_case.h"

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
        return coreLength == textLength && SameIgnoringCase(core, text, coreLength);
    if (!anyBefore)
        return SameIgnoringCase(core, text, coreLength);
    if (!anyAfter)
        return SameIgnoringCase(core, text + textLength - coreLength, coreLength);
    for (size_t at = 0; at + coreLength <= textLength; ++at) {
        if (SameIgnoringCase(core, text + at, coreLength))
            return 1;
    }
    return 0;
}
