// Bounded formatting: every caller learns whether its text was cut.
#include "common/bounded_text.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

int FormatText(char *out, size_t size, const char *format, ...)
{
    if (!out || size == 0)
        return 0;
    va_list arguments;
    va_start(arguments, format);
    int written = vsnprintf(out, size, format, arguments);
    va_end(arguments);
    if (written < 0) {
        out[0] = '\0';
        return 0;
    }
    return (size_t)written < size;
}

int CopyText(char *out, size_t size, const char *text)
{
    return FormatText(out, size, "%s", text ? text : "");
}

int AppendText(char *out, size_t size, const char *text)
{
    if (!out)
        return 0;
    size_t used = strnlen(out, size);
    if (used >= size)
        return 0;
    return CopyText(out + used, size - used, text);
}

void CopyTextShortened(char *out, size_t size, const char *text)
{
    if (CopyText(out, size, text) || size < 4)
        return;
    memcpy(out + size - 4, "...", 4);
}
