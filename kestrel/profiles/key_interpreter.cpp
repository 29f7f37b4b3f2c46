// The one interpreter of the key maps: the nine built-in ones and the user's.
#include "profiles/key_interpreter.h"

#include "base/seams.h"
#include "profiles/app_windows.h"
#include "profiles/primitives.h"
#include "profiles/profile.h"
#include "profiles/window_reach.h"

int DigitOfKey(unsigned int code)
{
    if (code >= 30 && code <= 38)
        return (int)code - 29;
    if (code == 39)
        return 0;
    return -1;
}

static int RowMatches(const KeyMapRow &row, unsigned int code)
{
    if (row.code == DIGIT_KEYS)
        return DigitOfKey(code) >= 0;
    return row.code == code;
}

// The set-1 scan code of a digit key on the main keyboard: '1' is 2, ... '9' is 10, '0' is 11.
static LPARAM DigitScanLParam(int digit)
{
    int scan = digit == 0 ? 11 : digit + 1;
    return ((LPARAM)scan << 16) | 1;
}

static void PostMapCommand(HWND window, const KeyMap &map, unsigned int command)
{
    if (map.commandInLParam)
        PostCommand(window, map.commandMessage, map.commandWParam, (LPARAM)command);
    else
        PostCommand(window, map.commandMessage, command, 0);
}

// 0 when keystrokes were held back because the window was not (or no longer) in front.
static int PerformRow(HWND window, const KeyMap &map, const KeyMapRow &row, unsigned int value, int digit)
{
    switch (row.action) {
    case KEY_TAP:
        return TapKey(window, (BYTE)value);
    case KEY_CHORD:
        return ChordKeys(window, row.modifiers[0], row.modifiers[1], (BYTE)value);
    case KEY_COMBINATION: {
        BYTE keys[5];
        int count = 0;
        for (int i = 0; i < 4 && row.modifiers[i]; ++i)
            keys[count++] = row.modifiers[i];
        keys[count++] = (BYTE)value;
        return InjectKeys(window, keys, count, 0);
    }
    case KEY_PAUSE:
        sleepThread(value);
        break;
    case KEY_POST_DOWN:
        Activate(window);
        PostKeyDown(window, value & 0xFF, FIXED_KEYDOWN_LPARAM);
        break;
    case KEY_DOWN:
        PostKeyDown(window, value, row.lParam == DIGIT_SCAN_LPARAM ? DigitScanLParam(digit) : row.lParam);
        break;
    case KEY_MESSAGE:
        PostCommand(window, row.message, value, row.lParam);
        break;
    case KEY_COMMAND:
        PostMapCommand(window, map, value);
        break;
    case KEY_RAISE_COMMAND:
        ActivateAndRaise(window);
        PostMapCommand(window, map, value);
        break;
    }
    return 1;
}

void RunKeyMap(int index, const KeyMap &map, unsigned int code)
{
    int digit = DigitOfKey(code);
    int refusedBefore = RefusedPosts();
    DWORD pauseMs = 0;
    int matched = 0;
    HWND window = NULL;
    for (int i = 0; i < map.rowCount; ++i) {
        const KeyMapRow &row = map.rows[i];
        if (!RowMatches(row, code))
            continue;
        unsigned int value = row.code == DIGIT_KEYS ? row.value + (unsigned)digit : row.value;
        // A code without an entry costs no window search; an entry looks once, a routed row
        // for itself.
        if (!matched || map.route) {
            window = FindAppWindow(index);
            tvApps[index].window = window;
            // An application out of reach would drop the key silently; it gets nothing.
            if (window && !WindowInReach(window)) {
                tvApps[index].outOfReach = 1;
                window = NULL;
            }
        }
        matched = 1;
        if (row.pauseMs)
            pauseMs = row.pauseMs;
        if (map.route) {
            map.route(index, window, row, value);
        } else if (window && !PerformRow(window, map, row, value, digit)) {
            // Whatever the entry still holds would reach the window in front instead.
            break;
        }
    }
    if (RefusedPosts() != refusedBefore)
        tvApps[index].outOfReach = 1;
    // Some applications need the time to act on a command before the next key.
    if (pauseMs)
        sleepThread(pauseMs);
}

void RunUserKeyMap(HWND window, const KeyMap &map, unsigned int code)
{
    for (int i = 0; i < map.rowCount; ++i) {
        // Once keys were held back, the rest of the entry would reach the window in front.
        if (map.rows[i].code == code && !PerformRow(window, map, map.rows[i], map.rows[i].value, -1))
            break;
    }
}
