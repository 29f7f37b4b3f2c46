// Each verb a person may write is one row: its name, the reader of its argument and what the
// argument should be when it cannot be read.
#include "profiles/user_actions.h"

#include <string.h>

#include "profiles/key_names.h"

// A combination is as many modifiers as a row holds, then the key.
enum { PAUSE_MS_MAX = 10000, COMBINATION_KEYS_MAX = sizeof(KeyMapRow::modifiers) + 1 };

static const char *const KEY_NAMES = "key names such as A, 5, F8, Up, Ctrl+P or vk:<number>";

static int ReadKey(TextSpan argument, KeyMapRow *row)
{
    NamedKey keys[COMBINATION_KEYS_MAX];
    int count = 0;
    TextSpan rest = argument, name;
    for (int more = 1; more; ++count) {
        if (count == COMBINATION_KEYS_MAX)
            return 0;
        more = SplitSpan(rest, '+', &name, &rest);
        name = TrimSpan(more ? name : rest);
        if (!LookUpKeyName(name, &keys[count]))
            return 0;
    }
    row->action = KEY_COMBINATION;
    row->value = keys[count - 1].vk;
    for (int i = 0; i + 1 < count; ++i)
        row->modifiers[i] = (BYTE)keys[i].vk;
    return 1;
}

static int ReadPost(TextSpan argument, KeyMapRow *row)
{
    NamedKey key;
    if (!LookUpKeyName(argument, &key))
        return 0;
    row->action = KEY_DOWN;
    row->value = key.vk;
    row->lParam = (LPARAM)KeyDownLParam(key);
    return 1;
}

static int ReadMessage(TextSpan argument, KeyMapRow *row)
{
    unsigned long numbers[3];
    TextSpan rest = argument;
    for (int i = 0; i < 3; ++i) {
        TextSpan number = rest;
        if (i < 2 && !SplitSpan(TrimSpan(rest), ' ', &number, &rest))
            return 0;
        if (!ReadTextNumber(TrimSpan(number), &numbers[i]))
            return 0;
    }
    row->action = KEY_MESSAGE;
    row->message = (UINT)numbers[0];
    row->value = (unsigned int)numbers[1];
    row->lParam = (LPARAM)(LONG)numbers[2];
    return 1;
}

static int ReadPause(TextSpan argument, KeyMapRow *row)
{
    unsigned long ms = 0;
    if (!ReadTextNumber(argument, &ms) || ms > PAUSE_MS_MAX)
        return 0;
    row->action = KEY_PAUSE;
    row->value = (unsigned int)ms;
    return 1;
}

struct VerbRow {
    const char *verb;
    int (*read)(TextSpan argument, KeyMapRow *row);
    Expected expected;
};

// In the order the messages name them.
static const VerbRow verbs[] = {
    { "key", ReadKey, { KEY_NAMES, 0 } },
    { "post", ReadPost, { KEY_NAMES, 0 } },
    { "message", ReadMessage, { "message <number> <wParam> <lParam>, numbers decimal or 0x hexadecimal", 0 } },
    { "pause", ReadPause, { "a pause from 0 to %d ms", PAUSE_MS_MAX } },
};

int ReadUserAction(TextSpan action, unsigned int code, KeyMapRow *row, Expected *expected)
{
    memset(row, 0, sizeof *row);
    row->code = code;
    TextSpan verb, argument;
    if (!SplitSpan(action, ' ', &verb, &argument) && !SplitSpan(action, '\t', &verb, &argument)) {
        *expected = { "key, post, message or pause with what it takes", 0 };
        return 0;
    }
    for (const VerbRow &known : verbs) {
        if (SpanIs(verb, known.verb)) {
            *expected = known.expected;
            return known.read(TrimSpan(argument), row);
        }
    }
    *expected = { "key, post, message or pause", 0 };
    return 0;
}
