// Copying text into the fixed fields of kestrel's records.
#ifndef KESTREL_TEXT_COPY_H
#define KESTREL_TEXT_COPY_H

#include <stddef.h>
#include <string.h>

// Copies text into field of size bytes, cut to fit and always terminated; 1 when nothing was cut.
inline int CopyText(char *field, size_t size, const char *text)
{
    if (size == 0)
        return 0;
    size_t length = text ? strlen(text) : 0;
    int whole = length < size;
    if (!whole)
        length = size - 1;
    if (length)
        memcpy(field, text, length);
    field[length] = '\0';
    return whole;
}

// Appends text to the terminated string in field, cut to fit; 1 when nothing was cut.
inline int AppendText(char *field, size_t size, const char *text)
{
    size_t used = strnlen(field, size);
    if (used >= size)
        return 0;
    return CopyText(field + used, size - used, text);
}

#endif
