// Key maps as data: rows of remote key code to action, run by one interpreter.
#ifndef KESTREL_KEY_MAP_H
#define KESTREL_KEY_MAP_H

#include <windows.h>

enum KeyAction {
    KEY_TAP,            // Activate, tap value
    KEY_CHORD,          // Activate, chord modifier1 (+ modifier2) + value
    KEY_POST_DOWN,      // Activate, posted key-down value with the fixed lParam
    KEY_DOWN,           // posted key-down value with the row's lParam, no Activate
    KEY_MESSAGE,        // PostMessageA(window, message, value, 0), no Activate
    KEY_COMMAND,        // the map's command message carrying value, no Activate
    KEY_RAISE_COMMAND,  // Activate, BringWindowToTop, then the command
    KEY_COMBINATION,    // Activate, modifiers held in order around value, extended flag per key
    KEY_PAUSE           // sleeps value ms where it stands
};

// The private messages that carry commands, for the maps and the close actions alike:
// XpertTVR's and RAR-A RURI's, and DeverOroru's and ZoruvUviro Zuvava's (their main panels).
enum { TVR_COMMAND_MESSAGE = 3024, MAIN_PANEL_COMMAND_MESSAGE = 4024 };

// Stands for the ten digit keys, codes 30 (digit 1) to 38 (digit 9) and 39 (digit 0);
// value is then a base to which the digit is added.
enum { DIGIT_KEYS = 0x100 };
// The lParam of a digit key-down that carries the key's own scan code (1..9: 2..10, 0: 11).
enum { DIGIT_SCAN_LPARAM = -1 };

struct KeyMapRow {
    unsigned int code;
    KeyAction action;
    unsigned int value;   // virtual key or command
    BYTE modifiers[4];    // chords and combinations: pressed in this order, 0 ends the list
    UINT message;         // KEY_MESSAGE only
    LPARAM lParam;        // KEY_DOWN and KEY_MESSAGE
    DWORD pauseMs;        // slept after the entry, found window or not
    char mark;            // ZoruvUviro Zuvava's pop-up routing, 0 elsewhere
};

// Row builders, so that a table reads like the one it was written from.
constexpr KeyMapRow Tap(unsigned code, unsigned vk) { return { code, KEY_TAP, vk, { 0, 0, 0, 0 }, 0, 0, 0, 0 }; }
constexpr KeyMapRow Chord(unsigned code, BYTE modifier, unsigned vk)
{
    return { code, KEY_CHORD, vk, { modifier, 0, 0, 0 }, 0, 0, 0, 0 };
}
constexpr KeyMapRow Chord(unsigned code, BYTE modifier1, BYTE modifier2, unsigned vk)
{
    return { code, KEY_CHORD, vk, { modifier1, modifier2, 0, 0 }, 0, 0, 0, 0 };
}
constexpr KeyMapRow PostDown(unsigned code, unsigned vk) { return { code, KEY_POST_DOWN, vk, { 0, 0, 0, 0 }, 0, 0, 0, 0 }; }
constexpr KeyMapRow KeyDown(unsigned code, unsigned vk, LPARAM lParam)
{
    return { code, KEY_DOWN, vk, { 0, 0, 0, 0 }, 0, lParam, 0, 0 };
}
constexpr KeyMapRow Message(unsigned code, UINT message, unsigned wParam)
{
    return { code, KEY_MESSAGE, wParam, { 0, 0, 0, 0 }, message, 0, 0, 0 };
}
constexpr KeyMapRow Command(unsigned code, unsigned command, DWORD pauseMs = 0)
{
    return { code, KEY_COMMAND, command, { 0, 0, 0, 0 }, 0, 0, pauseMs, 0 };
}
constexpr KeyMapRow RaiseCommand(unsigned code, unsigned command, DWORD pauseMs = 0)
{
    return { code, KEY_RAISE_COMMAND, command, { 0, 0, 0, 0 }, 0, 0, pauseMs, 0 };
}
constexpr KeyMapRow Routed(unsigned code, unsigned command, char mark, DWORD pauseMs = 0)
{
    return { code, KEY_COMMAND, command, { 0, 0, 0, 0 }, 0, 0, pauseMs, mark };
}

struct KeyMap {
    const KeyMapRow *rows;
    int rowCount;
    // The private message that carries commands; in wParam, or in lParam with commandWParam fixed.
    UINT commandMessage;
    int commandInLParam;
    WPARAM commandWParam;
    // An application that routes keys itself (pop-ups), given its main window as looked up
    // for the row (NULL when none); NULL for the plain interpreter.
    void (*route)(int index, HWND main, const KeyMapRow &row, unsigned int command);
};

#define KEY_MAP_ROWS(table) table, (int)(sizeof table / sizeof table[0])

#endif
