// atoi-style conversion of the numeric keys of Setting.ini.
#include "medium/ini_number.h"

#include <limits.h>

static int IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int IniNumber(const char *text)
{
    if (!text)
        return 0;
    while (IsBlank(*text))
        ++text;
    int negative = 0;
    if (*text == '+' || *text == '-')
        negative = *text++ == '-';
    long long value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (*text - '0');
        // Past the 32-bit range the rest of the digits change nothing.
        if (value > (long long)INT_MAX + 1)
            value = (long long)INT_MAX + 1;
    }
    if (negative)
        return (int)-value;
    return value > INT_MAX ? INT_MAX : (int)value;
}

int IniNumberIsWhole(const char *text)
{
    if (!text)
        return 0;
    while (IsBlank(*text))
        ++text;
    if (*text == '+' || *text == '-')
        ++text;
    const char *digits = text;
    while (*text >= '0' && *text <= '9')
        ++text;
    if (text == digits)
        return 0;
    while (IsBlank(*text))
        ++text;
    return *text == '\0';
}
