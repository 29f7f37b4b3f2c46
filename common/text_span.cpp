// Spans of text: trimmed, compared, split and copied in place.
#include "common/text_span.h"

#include <string.h>

#include "common/text_case.h"

static int IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

TextSpan TrimSpan(TextSpan span)
{
    while (span.length && IsBlank(span.text[0])) {
        ++span.text;
        --span.length;
    }
    while (span.length && IsBlank(span.text[span.length - 1]))
        --span.length;
    return span;
}

int SpanIs(TextSpan span, const char *word)
{
    return strlen(word) == span.length && SameIgnoringCase(span.text, word, span.length);
}

int SplitSpan(TextSpan span, char separator, TextSpan *head, TextSpan *rest)
{
    const char *at = (const char *)memchr(span.text, separator, span.length);
    if (!at)
        return 0;
    head->text = span.text;
    head->length = (size_t)(at - span.text);
    rest->text = at + 1;
    rest->length = span.length - head->length - 1;
    return 1;
}

int NextSpanLine(TextSpan *text, TextSpan *line, TextSpan *raw)
{
    if (text->length == 0)
        return 0;
    TextSpan rest = { text->text + text->length, 0 };
    if (!SplitSpan(*text, '\n', raw, &rest))
        *raw = *text;
    *text = rest;
    *raw = TrimSpan(*raw);
    *line = *raw;
    // Cutting at the first comment ends the walk too.
    for (size_t i = 0; i < line->length; ++i)
        if (line->text[i] == ';' && (i == 0 || IsBlank(line->text[i - 1])))
            line->length = i;
    *line = TrimSpan(*line);
    return 1;
}

int CopySpan(char *out, size_t size, TextSpan span)
{
    size_t length = span.length < size ? span.length : size - 1;
    memcpy(out, span.text, length);
    out[length] = '\0';
    return length == span.length;
}
