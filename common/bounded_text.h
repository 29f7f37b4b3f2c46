// Text into fixed buffers that says when it did not fit, so that no path, command line or
// record field is ever cut silently.
#ifndef COMMON_BOUNDED_TEXT_H
#define COMMON_BOUNDED_TEXT_H

#include <stddef.h>

// 1 when the whole text fit; 0 when it was cut (the buffer still ends in a terminator).
int FormatText(char *out, size_t size, const char *format, ...)
    __attribute__((format(printf, 3, 4)));
int CopyText(char *out, size_t size, const char *text);
// Appends text to the terminated string in out, cut to fit; 1 when nothing was cut.
int AppendText(char *out, size_t size, const char *text);
// Copies as much as fits and marks a cut with "..."; for texts that are only shown.
void CopyTextShortened(char *out, size_t size, const char *text);

#endif
