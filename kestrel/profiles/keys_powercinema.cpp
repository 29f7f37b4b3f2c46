// PowerCinema: cursor, digit and function keys as posted key-downs, the rest as chords.
#include "profiles/keys_powercinema.h"

static const KeyMapRow rows[] = {
    Chord(5, VK_CONTROL, 'L'),
    PostDown(7, VK_DOWN),
    PostDown(8, VK_RETURN),
    PostDown(15, VK_LEFT),
    PostDown(21, VK_RIGHT),
    Chord(22, VK_CONTROL, 'S'),
    PostDown(24, VK_UP),
    PostDown(DIGIT_KEYS, VK_NUMPAD0),
    Chord(42, VK_CONTROL, VK_SHIFT, 'P'),
    Chord(45, VK_CONTROL, 'T'),
    Chord(46, VK_CONTROL, 'D'),
    PostDown(54, VK_ESCAPE),
    Chord(55, VK_CONTROL, VK_SHIFT, 'Z'),
    PostDown(60, VK_F8),
    Chord(63, VK_CONTROL, 'R'),
    PostDown(79, VK_F9),
    PostDown(80, VK_F10),
    PostDown(81, VK_SUBTRACT),
    PostDown(82, VK_ADD),
};

const KeyMap powerCinemaKeys = { KEY_MAP_ROWS(rows), 0, 0, 0, NULL };
