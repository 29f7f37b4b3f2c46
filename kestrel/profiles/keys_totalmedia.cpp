// TotalMedia: keystrokes into the window in front.
#include "profiles/keys_totalmedia.h"

static const KeyMapRow rows[] = {
    Tap(5, VK_F11),
    Tap(7, VK_DOWN),
    Tap(8, VK_RETURN),
    Tap(15, VK_LEFT),
    Tap(21, VK_RIGHT),
    Chord(22, VK_CONTROL, 'S'),
    Tap(24, VK_UP),
    Tap(DIGIT_KEYS, VK_NUMPAD0),
    Chord(42, VK_CONTROL, VK_SHIFT, 'P'),
    Chord(45, VK_CONTROL, 'T'),
    Chord(46, VK_CONTROL, 'G'),
    Tap(54, VK_BACK),
    Tap(55, VK_F5),
    Tap(59, VK_F4),
    Tap(60, VK_F8),
    Chord(62, VK_MENU, VK_RETURN),
    Chord(63, VK_CONTROL, 'R'),
    Tap(79, VK_F9),
    Tap(80, VK_F10),
    Tap(81, VK_SUBTRACT),
    Tap(82, VK_ADD),
};

const KeyMap totalMediaKeys = { KEY_MAP_ROWS(rows), 0, 0, 0, NULL };
