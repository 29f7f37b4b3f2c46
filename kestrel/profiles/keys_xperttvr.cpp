// XpertTVR, and RAR-A RURI alike: commands in the wParam of message 3024.
#include "profiles/keys_xperttvr.h"

static const KeyMapRow rows[] = {
    Command(5, 4003),
    Command(7, 1009),
    Command(8, 10020),
    Command(15, 1005),
    Command(21, 1004),
    Command(22, 1002),
    Command(24, 1008),
    Command(DIGIT_KEYS, 10000),
    Command(42, 3001, 2000),
    Command(45, 1000),
    Command(46, 8, 2000),
    Command(54, 2000, 2000),
    Command(55, 12),
    Command(59, 200),
    Command(60, 403),
    Command(62, 3),
    Command(63, 1001, 2000),
    Command(79, 402),
    Command(80, 401),
    Command(81, 4002),
    Command(82, 4001),
};

const KeyMap xpertTvrKeys = { KEY_MAP_ROWS(rows), TVR_COMMAND_MESSAGE, 0, 0, NULL };
