// Pieces of a text that is not terminated, cut without copying, as hand-edited INI files are
// read a line and a field at a time.
#ifndef COMMON_TEXT_SPAN_H
#define COMMON_TEXT_SPAN_H

#include <stddef.h>

struct TextSpan {
    const char *text;
    size_t length;
};

// span without the blanks (space, tab, carriage return) at either end.
TextSpan TrimSpan(TextSpan span);
// Whether span is word, letter case ignored.
int SpanIs(TextSpan span, const char *word);
// Cuts span at the first separator: before it to head, after it to rest; 0 when absent.
int SplitSpan(TextSpan span, char separator, TextSpan *head, TextSpan *rest);
// Takes the next line off *text: line without its comment (a ';' first or after a blank) and
// without surrounding blanks, raw as written but trimmed; 0 at the end of the text.
int NextSpanLine(TextSpan *text, TextSpan *line, TextSpan *raw);
// Copies as much of span as fits into out, terminated; 1 when all of it fit.
int CopySpan(char *out, size_t size, TextSpan span);

#endif
