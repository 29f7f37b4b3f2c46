// keymaps.ini as kestrel reads it: an INI file that a person edits by hand. A line that cannot
// be read is skipped and reported; the rest of the file works.
#include "profiles/user_keymaps.h"

#include <string.h>

#include "common/bounded_text.h"
#include "common/text_case.h"
#include "common/text_span.h"
#include "profiles/key_names.h"
#include "profiles/user_actions.h"

UserApp userApps[USER_APP_MAX];
int userAppCount = 0;
static KeyMapRow userRows[USER_ROW_MAX];
static int rowsUsed = 0;

enum {
    // Sections beyond this many are reported without being looked at.
    SECTION_SCAN_MAX = 256,
    ACTIONS_PER_LINE_MAX = 64,
    REMOTE_CODE_MAX = 254,
    REPEAT_EVERY_MAX = 1000,
    LINE_SHOWN_SIZE = 72
};

// Lines before the first section have no application to go to; a section that is skipped
// takes its lines with it.
enum ReaderState { BEFORE_SECTIONS, IN_SKIPPED_SECTION, IN_SECTION };

// The skipped lines: the first few as they will be shown, the rest counted.
static struct {
    char listed[PROBLEMS_TEXT_SIZE];
    int count;
} problems;

static void AddProblem(int lineNumber, TextSpan raw, Expected expected)
{
    if (++problems.count > PROBLEMS_LISTED)
        return;
    char line[LINE_SHOWN_SIZE * 2];
    CopySpan(line, sizeof line, raw);
    char shown[LINE_SHOWN_SIZE];
    CopyTextShortened(shown, sizeof shown, line);
    char wanted[128];
    FormatText(wanted, sizeof wanted, expected.text, expected.limit);
    char entry[256];
    FormatText(entry, sizeof entry, "Line %d: %s\n    expected %s\n", lineNumber, shown, wanted);
    AppendText(problems.listed, sizeof problems.listed, entry);
}

// The message for the whole reading, empty when no line was skipped; returns how many were.
static int ComposeMessage(const char *fileName, char *out, size_t size)
{
    out[0] = '\0';
    if (problems.count == 0)
        return 0;
    char more[64] = "";
    if (problems.count > PROBLEMS_LISTED)
        FormatText(more, sizeof more, "...and %d more.\n", problems.count - PROBLEMS_LISTED);
    FormatText(out, size, "%s: %d line%s skipped, the rest is in use.\n\n%s%s", fileName, problems.count,
               problems.count == 1 ? " was" : "s were", problems.listed, more);
    return problems.count;
}

// A code line's actions, appended to the rows; 0 (nothing appended) with what was expected.
static int ParseCodeLine(UserApp &app, unsigned int code, TextSpan actions, Expected *expected)
{
    if (UserAppMapsCode(app, code)) {
        *expected = { "one line per code in a section", 0 };
        return 0;
    }
    KeyMapRow rows[ACTIONS_PER_LINE_MAX];
    int count = 0;
    TextSpan rest = actions, action;
    for (int more = 1; more; ++count) {
        more = SplitSpan(rest, ',', &action, &rest);
        if (count == ACTIONS_PER_LINE_MAX) {
            *expected = { "at most %d actions on a line", ACTIONS_PER_LINE_MAX };
            return 0;
        }
        if (!ReadUserAction(TrimSpan(more ? action : rest), code, &rows[count], expected))
            return 0;
    }
    if (rowsUsed + count > USER_ROW_MAX) {
        *expected = { "at most %d actions in the whole file", USER_ROW_MAX };
        return 0;
    }
    memcpy(&userRows[rowsUsed], rows, sizeof rows[0] * (size_t)count);
    rowsUsed += count;
    app.map.rowCount += count;
    return 1;
}

// One name=value line of a section; 0 with what was expected.
static int ParseEntry(UserApp &app, TextSpan name, TextSpan value, Expected *expected)
{
    if (SpanIs(name, "class") || SpanIs(name, "title")) {
        *expected = { "a class or title of at most %d characters", USER_PATTERN_SIZE - 1 };
        char *pattern = SpanIs(name, "class") ? app.windowClass : app.windowTitle;
        return value.length < USER_PATTERN_SIZE && CopySpan(pattern, USER_PATTERN_SIZE, value);
    }
    unsigned long number = 0;
    if (SpanIs(name, "repeat")) {
        *expected = { "repeat=<every Nth repeat passes, 0 to %d>", REPEAT_EVERY_MAX };
        if (!ReadTextNumber(value, &number) || number > REPEAT_EVERY_MAX)
            return 0;
        app.repeatEvery = (int)number;
        return 1;
    }
    *expected = { "a remote code from 0 to %d, class=, title= or repeat=", REMOTE_CODE_MAX };
    if (name.length > 3 || !ReadTextNumber(name, &number) || number > REMOTE_CODE_MAX
        || (name.length > 1 && FoldCase(name.text[1]) == 'x'))
        return 0;
    return ParseCodeLine(app, (unsigned int)number, value, expected);
}

// First look: which sections name a window (a non-empty class= or title=).
static void FindWindowedSections(TextSpan text, unsigned char *windowed)
{
    int section = -1;
    TextSpan line, raw, name, value;
    while (NextSpanLine(&text, &line, &raw)) {
        if (line.length && line.text[0] == '[') {
            ++section;
        } else if (section >= 0 && section < SECTION_SCAN_MAX && SplitSpan(line, '=', &name, &value)) {
            name = TrimSpan(name);
            if ((SpanIs(name, "class") || SpanIs(name, "title")) && TrimSpan(value).length)
                windowed[section] = 1;
        }
    }
}

// A [name] line: the next application, or a section skipped and reported.
static ReaderState StartSection(TextSpan line, TextSpan raw, int lineNumber, int section,
                                const unsigned char *windowed)
{
    if (line.text[line.length - 1] != ']' || line.length < 3)
        AddProblem(lineNumber, raw, { "[name of the application]", 0 });
    else if (section >= SECTION_SCAN_MAX || userAppCount == USER_APP_MAX)
        AddProblem(lineNumber, raw, { "at most %d applications", USER_APP_MAX });
    else if (!windowed[section])
        AddProblem(lineNumber, raw, { "class= or title= in this section", 0 });
    else {
        UserApp &app = userApps[userAppCount++];
        memset(&app, 0, sizeof app);
        CopySpan(app.name, sizeof app.name, TrimSpan(TextSpan{ line.text + 1, line.length - 2 }));
        app.repeatEvery = DEFAULT_REPEAT_EVERY;
        app.map.rows = &userRows[rowsUsed];
        return IN_SECTION;
    }
    return IN_SKIPPED_SECTION;
}

int ParseUserKeymaps(const char *text, size_t length, const char *fileName, char *message, size_t messageSize)
{
    problems.listed[0] = '\0';
    problems.count = 0;
    userAppCount = 0;
    rowsUsed = 0;
    unsigned char windowed[SECTION_SCAN_MAX] = { 0 };
    TextSpan all = { text, length };
    FindWindowedSections(all, windowed);

    ReaderState state = BEFORE_SECTIONS;
    int section = -1, lineNumber = 0;
    TextSpan line, raw, name, value;
    while (NextSpanLine(&all, &line, &raw)) {
        ++lineNumber;
        Expected expected;
        if (line.length && line.text[0] == '[')
            state = StartSection(line, raw, lineNumber, ++section, windowed);
        else if (line.length == 0 || state == IN_SKIPPED_SECTION)
            continue;
        else if (state == BEFORE_SECTIONS)
            AddProblem(lineNumber, raw, { "[name of the application] before the first line", 0 });
        else if (!SplitSpan(line, '=', &name, &value))
            AddProblem(lineNumber, raw, { "<remote code>=<action>, class=, title= or repeat=", 0 });
        else if (!ParseEntry(userApps[userAppCount - 1], TrimSpan(name), TrimSpan(value), &expected))
            AddProblem(lineNumber, raw, expected);
    }
    return ComposeMessage(fileName, message, messageSize);
}

int UserAppMapsCode(const UserApp &app, unsigned int code)
{
    for (int i = 0; i < app.map.rowCount; ++i) {
        if (app.map.rows[i].code == code)
            return 1;
    }
    return 0;
}
