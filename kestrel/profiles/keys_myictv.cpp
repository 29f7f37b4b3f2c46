// My IC-TV: commands in the lParam of message 5401 (wParam 5400); digits and Back as key-downs.
#include "profiles/keys_myictv.h"

static const KeyMapRow rows[] = {
    Command(5, 70),
    Command(7, 28),
    Command(8, 26),
    Command(15, 25),
    Command(21, 27),
    Command(22, 67),
    Command(24, 24),
    KeyDown(DIGIT_KEYS, VK_NUMPAD0, 0),
    Command(42, 66),
    Command(45, 71),
    Command(46, 31),
    KeyDown(54, VK_ESCAPE, 0),
    Command(55, 22),
    Command(60, 19),
    Command(62, 0),
    Command(63, 65),
    Command(79, 21),
    Command(80, 18),
    Command(81, 23),
    Command(82, 20),
};

const KeyMap myIcTvKeys = { KEY_MAP_ROWS(rows), 5401, 1, 5400, NULL };
