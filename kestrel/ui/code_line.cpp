// The code viewer's line format.
#include "ui/code_line.h"

#include "common/bounded_text.h"

CodeEventKind KindOfCodeEvent(int isRepeat, int thinned, int passed)
{
    if (!isRepeat)
        return CODE_FIRST;
    if (!thinned)
        return CODE_HELD;
    return passed ? CODE_REPEAT_PASSED : CODE_REPEAT_DROPPED;
}

int FormatCodeLine(char *out, size_t size, unsigned hour, unsigned minute, unsigned second,
                   unsigned millisecond, int code, const char *label, CodeEventKind kind, const char *where)
{
    static const char *const kindNames[] = { "first", "held", "repeat passed", "repeat dropped" };
    char labelText[48] = "";
    if (label)
        FormatText(labelText, sizeof labelText, " (%s)", label);
    return FormatText(out, size, "%02u:%02u:%02u.%03u  code %d%s  %s  -> %s", hour, minute, second,
                      millisecond, code, labelText, kindNames[kind], where);
}
