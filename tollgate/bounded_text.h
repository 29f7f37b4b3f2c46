// Formatting into fixed buffers that says when the text did not fit, so that no path or
// command line is ever cut silently.
#ifndef TOLLGATE_BOUNDED_TEXT_H
#define TOLLGATE_BOUNDED_TEXT_H

#include <stddef.h>

// 1 when the whole text fit; 0 when it was cut (the buffer still ends in a terminator).
int FormatText(char *out, size_t size, const char *format, ...)
    __attribute__((format(printf, 3, 4)));
int CopyText(char *out, size_t size, const char *text);
// Copies as much as fits and marks a cut with "..."; for texts that are only shown.
void CopyTextShortened(char *out, size_t size, const char *text);

#endif
