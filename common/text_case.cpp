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

int SameIgnoringCase(const char *a, const char *b, size_t length)
{
    for (size_t i = 0; i < length; ++i)
        if (FoldCase(a[i]) != FoldCase(b[i]))
            return 0;
    return 1;
}
