// keymaps.ini as kestrel reads it: an INI file that a person edits by hand. A line that cannot
// be read is skipped and reported; the rest of the file works.
#include "profiles/user_keymaps.h"

#include <string.h>

#include "common/bounded_text.h"
#include "profiles/key_names.h"

UserApp userApps[USER_APP_MAX];
int userAppCount = 0;
KeyMapRow userRows[USER_ROW_MAX];
static int rowsUsed = 0;

// Sections beyond this many are reported without being looked at.
enum { SECTION_SCAN_MAX = 256, LINE_SHOWN_SIZE = 72, ACTIONS_PER_LINE_MAX = 64 };

struct Span {
    const char *text;
    size_t length;
};

struct Problems {
    char listed[PROBLEMS_TEXT_SIZE];
    int count;
};

static char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? (char)(c - 'A' + 'a') : c;
}

static int IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

static Span Trim(Span span)
{
    while (span.length && IsBlank(span.text[0])) {
        ++span.text;
        --span.length;
    }
    while (span.length && IsBlank(span.text[span.length - 1]))
        --span.length;
    return span;
}

static int SpanIs(Span span, const char *word)
{
    size_t i = 0;
    for (; i < span.length && word[i]; ++i) {
        if (Lower(span.text[i]) != Lower(word[i]))
            return 0;
    }
    return i == span.length && word[i] == '\0';
}

// Cuts span at the first `separator`: before goes to head, after to rest; 0 when absent.
static int Split(Span span, char separator, Span *head, Span *rest)
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

// The next line of the text without its end, its comment (a ';' first or after a blank) and
// its surrounding blanks; raw keeps the line as written, for the message.
static int NextLine(Span &text, Span *line, Span *raw)
{
    if (text.length == 0)
        return 0;
    Span rest = { text.text + text.length, 0 };
    if (!Split(text, '\n', raw, &rest))
        *raw = text;
    text = rest;
    Span content = Trim(*raw);
    for (size_t i = 0; i < content.length; ++i) {
        if (content.text[i] == ';' && (i == 0 || IsBlank(content.text[i - 1]))) {
            content.length = i;
            break;
        }
    }
    *line = Trim(content);
    *raw = Trim(*raw);
    return 1;
}

static void AddProblem(Problems &problems, int lineNumber, Span raw, const char *expected)
{
    if (++problems.count > PROBLEMS_LISTED)
        return;
    char line[LINE_SHOWN_SIZE * 2];
    size_t length = raw.length < sizeof line - 1 ? raw.length : sizeof line - 1;
    memcpy(line, raw.text, length);
    line[length] = '\0';
    char shown[LINE_SHOWN_SIZE];
    CopyTextShortened(shown, sizeof shown, line);
    char entry[256];
    FormatText(entry, sizeof entry, "Line %d: %s\n    expected %s\n", lineNumber, shown, expected);
    AppendText(problems.listed, sizeof problems.listed, entry);
}

static int ReadSpanNumber(Span span, unsigned long limit, unsigned long *value)
{
    return ReadNumber(span.text, span.length, value) && *value <= limit;
}

static const char *const EXPECTED_KEY = "key names such as A, 5, F8, Up, Ctrl+P or vk:<number>";

// One action of a code line into row; 0 with what was expected.
static int ParseAction(Span action, unsigned int code, KeyMapRow *row, const char **expected)
{
    memset(row, 0, sizeof *row);
    row->code = code;
    Span word, argument;
    if (!Split(action, ' ', &word, &argument) && !Split(action, '\t', &word, &argument)) {
        *expected = "key, post, message or pause with what it takes";
        return 0;
    }
    argument = Trim(argument);
    *expected = EXPECTED_KEY;
    if (SpanIs(word, "key")) {
        // Up to four modifiers and the key.
        NamedKey keys[5];
        int count = 0;
        Span rest = argument, name;
        for (int more = 1; more; ++count) {
            if (count == 5)
                return 0;
            more = Split(rest, '+', &name, &rest);
            name = Trim(more ? name : rest);
            if (!LookUpKeyName(name.text, name.length, &keys[count]))
                return 0;
        }
        row->action = KEY_COMBINATION;
        row->value = keys[count - 1].vk;
        for (int i = 0; i + 1 < count; ++i)
            row->modifiers[i] = (BYTE)keys[i].vk;
        return 1;
    }
    if (SpanIs(word, "post")) {
        NamedKey key;
        if (!LookUpKeyName(argument.text, argument.length, &key))
            return 0;
        row->action = KEY_DOWN;
        row->value = key.vk;
        row->lParam = (LPARAM)KeyDownLParam(key);
        return 1;
    }
    if (SpanIs(word, "pause")) {
        unsigned long ms = 0;
        *expected = "a pause from 0 to 10000 ms";
        if (!ReadSpanNumber(argument, 10000, &ms))
            return 0;
        row->action = KEY_PAUSE;
        row->value = (unsigned int)ms;
        return 1;
    }
    if (SpanIs(word, "message")) {
        *expected = "message <number> <wParam> <lParam>, numbers decimal or 0x hexadecimal";
        unsigned long numbers[3];
        Span rest = argument;
        for (int i = 0; i < 3; ++i) {
            Span number = rest;
            if (i < 2 && !Split(Trim(rest), ' ', &number, &rest))
                return 0;
            if (!ReadSpanNumber(Trim(number), 0xFFFFFFFFul, &numbers[i]))
                return 0;
        }
        row->action = KEY_MESSAGE;
        row->message = (UINT)numbers[0];
        row->value = (unsigned int)numbers[1];
        row->lParam = (LPARAM)(LONG)numbers[2];
        return 1;
    }
    *expected = "key, post, message or pause";
    return 0;
}

// A code line's actions, appended to the rows; 0 (nothing appended) with what was expected.
static int ParseCodeLine(UserApp &app, unsigned int code, Span actions, const char **expected)
{
    if (UserAppMapsCode(app, code)) {
        *expected = "one line per code in a section";
        return 0;
    }
    KeyMapRow rows[ACTIONS_PER_LINE_MAX];
    int count = 0;
    Span rest = actions, action;
    for (int more = 1; more;) {
        more = Split(rest, ',', &action, &rest);
        if (count == ACTIONS_PER_LINE_MAX) {
            *expected = "at most 64 actions on a line";
            return 0;
        }
        if (!ParseAction(Trim(more ? action : rest), code, &rows[count], expected))
            return 0;
        ++count;
    }
    if (rowsUsed + count > USER_ROW_MAX) {
        *expected = "at most 1024 actions in the whole file";
        return 0;
    }
    memcpy(&userRows[rowsUsed], rows, sizeof rows[0] * (size_t)count);
    rowsUsed += count;
    app.map.rowCount += count;
    return 1;
}

static int CopySpan(char *out, size_t size, Span span)
{
    if (span.length >= size)
        return 0;
    memcpy(out, span.text, span.length);
    out[span.length] = '\0';
    return 1;
}

// One name=value line of a section; 0 with what was expected.
static int ParseEntry(UserApp &app, Span name, Span value, const char **expected)
{
    if (SpanIs(name, "class") || SpanIs(name, "title")) {
        *expected = "a class or title of at most 127 characters";
        return CopySpan(SpanIs(name, "class") ? app.windowClass : app.windowTitle, USER_PATTERN_SIZE, value);
    }
    unsigned long number = 0;
    if (SpanIs(name, "repeat")) {
        *expected = "repeat=<every Nth repeat passes, 0 to 1000>";
        if (!ReadSpanNumber(value, 1000, &number))
            return 0;
        app.repeatEvery = (int)number;
        return 1;
    }
    *expected = "a remote code from 0 to 254, class=, title= or repeat=";
    if (name.length > 3 || !ReadSpanNumber(name, 254, &number) || (name.length > 1 && Lower(name.text[1]) == 'x'))
        return 0;
    return ParseCodeLine(app, (unsigned int)number, value, expected);
}

// First look: which sections name a window (a non-empty class= or title=).
static void FindWindowedSections(Span text, unsigned char *windowed)
{
    int section = -1;
    Span line, raw, name, value;
    while (NextLine(text, &line, &raw)) {
        if (line.length && line.text[0] == '[') {
            ++section;
        } else if (section >= 0 && section < SECTION_SCAN_MAX && Split(line, '=', &name, &value)) {
            name = Trim(name);
            if ((SpanIs(name, "class") || SpanIs(name, "title")) && Trim(value).length)
                windowed[section] = 1;
        }
    }
}

static void StartApp(Span header)
{
    UserApp &app = userApps[userAppCount++];
    memset(&app, 0, sizeof app);
    Span title = Trim(header);
    if (title.length >= sizeof app.name)
        title.length = sizeof app.name - 1;
    CopySpan(app.name, sizeof app.name, title);
    app.repeatEvery = DEFAULT_REPEAT_EVERY;
    app.map.rows = &userRows[rowsUsed];
}

static void ComposeMessage(const Problems &problems, const char *fileName, char *out, size_t size)
{
    out[0] = '\0';
    if (problems.count == 0)
        return;
    FormatText(out, size, "%s: %d line%s skipped, the rest is in use.\n\n", fileName, problems.count,
               problems.count == 1 ? " was" : "s were");
    AppendText(out, size, problems.listed);
    if (problems.count > PROBLEMS_LISTED) {
        char more[64];
        FormatText(more, sizeof more, "...and %d more.\n", problems.count - PROBLEMS_LISTED);
        AppendText(out, size, more);
    }
}

int ParseUserKeymaps(const char *text, size_t length, const char *fileName, char *message, size_t messageSize)
{
    static Problems problems;
    memset(&problems, 0, sizeof problems);
    userAppCount = 0;
    rowsUsed = 0;
    unsigned char windowed[SECTION_SCAN_MAX] = { 0 };
    Span all = { text, length };
    FindWindowedSections(all, windowed);

    // -1: before any section; -2: in a section that is skipped.
    int section = -1, state = -1, lineNumber = 0;
    Span line, raw, name, value;
    while (NextLine(all, &line, &raw)) {
        ++lineNumber;
        if (line.length == 0)
            continue;
        if (line.text[0] == '[') {
            ++section;
            state = -2;
            if (line.text[line.length - 1] != ']' || line.length < 3)
                AddProblem(problems, lineNumber, raw, "[name of the application]");
            else if (section >= SECTION_SCAN_MAX || userAppCount == USER_APP_MAX)
                AddProblem(problems, lineNumber, raw, "at most 32 applications");
            else if (!windowed[section])
                AddProblem(problems, lineNumber, raw, "class= or title= in this section");
            else {
                StartApp(Span{ line.text + 1, line.length - 2 });
                state = 0;
            }
            continue;
        }
        if (state == -2)
            continue;
        const char *expected = "[name of the application] before the first line";
        if (state == -1 || !Split(line, '=', &name, &value)) {
            if (state != -1)
                expected = "<remote code>=<action>, class=, title= or repeat=";
            AddProblem(problems, lineNumber, raw, expected);
            continue;
        }
        if (!ParseEntry(userApps[userAppCount - 1], Trim(name), Trim(value), &expected))
            AddProblem(problems, lineNumber, raw, expected);
    }
    ComposeMessage(problems, fileName, message, messageSize);
    return problems.count;
}

int UserAppMapsCode(const UserApp &app, unsigned int code)
{
    for (int i = 0; i < app.map.rowCount; ++i) {
        if (app.map.rows[i].code == code)
            return 1;
    }
    return 0;
}
