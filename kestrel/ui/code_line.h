// One line of the code viewer, from plain values.
#ifndef KESTREL_CODE_LINE_H
#define KESTREL_CODE_LINE_H

#include <stddef.h>

enum CodeEventKind { CODE_FIRST, CODE_HELD, CODE_REPEAT_PASSED, CODE_REPEAT_DROPPED };

// A key event's kind: a new press is first; a repeat that no repeat rule thins out is held;
// one that an application's rule looked at passed or was dropped.
CodeEventKind KindOfCodeEvent(int isRepeat, int thinned, int passed);
// "HH:MM:SS.mmm  code 24 (Up)  first  -> where"; label NULL for none. 1 when it fit.
int FormatCodeLine(char *out, size_t size, unsigned hour, unsigned minute, unsigned second,
                   unsigned millisecond, int code, const char *label, CodeEventKind kind, const char *where);

#endif
