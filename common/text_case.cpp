// ASCII letter case folding.
#include "common/text_case.h"

char FoldCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c;
}

int SameIgnoringCase(const char *a, const char *b)
{
    for (; *a && *b; ++a, ++b)
        if (FoldCase(*a) != FoldCase(*b))
            return 0;
    return *a == *b;
}
