// WinDVR: key-downs posted with each key's own lParam, and its command message 911.
#include "profiles/keys_windvr.h"

static const UINT WINDVR_COMMAND = 911;

static const KeyMapRow rows[] = {
    KeyDown(5, 'L', 0x00260001),
    KeyDown(7, VK_DOWN, 0x01500001),
    KeyDown(8, VK_RETURN, 0x001C0001),
    KeyDown(15, VK_LEFT, 0x014B0001),
    KeyDown(21, VK_RIGHT, 0x014D0001),
    Message(22, WINDVR_COMMAND, 2),
    KeyDown(24, VK_UP, 0x01480001),
    KeyDown(DIGIT_KEYS, '0', DIGIT_SCAN_LPARAM),
    Message(42, WINDVR_COMMAND, 24),
    Chord(59, VK_CONTROL, 'I'),
    KeyDown(60, 'M', 0x00320001),
    KeyDown(62, 'Z', 0x002C0001),
    Message(63, WINDVR_COMMAND, 23),
    KeyDown(79, VK_SHIFT, 0x002A0001),
    KeyDown(79, VK_DOWN, 0x01500001),
    KeyDown(80, VK_SHIFT, 0x002A0001),
    KeyDown(80, VK_UP, 0x01480001),
    KeyDown(81, VK_NEXT, 0x01510001),
    KeyDown(82, VK_PRIOR, 0x01490001),
};

const KeyMap winDvrKeys = { KEY_MAP_ROWS(rows), 0, 0, 0, NULL };
