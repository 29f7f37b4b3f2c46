// DeverOroru: commands in the wParam of message 4024; two of them want the window in front.
#include "profiles/keys_deverororu.h"

static const KeyMapRow rows[] = {
    Command(5, 4003),
    Command(7, 1009),
    Command(8, 10020),
    Command(15, 1005),
    Command(21, 1004),
    Command(22, 1002),
    Command(24, 1008),
    Command(DIGIT_KEYS, 10000),
    RaiseCommand(42, 3000, 2000),
    Command(45, 1000),
    Command(46, 8, 2000),
    Command(54, 2000, 3000),
    RaiseCommand(55, 20),
    Command(59, 207),
    Command(60, 403),
    Command(62, 3),
    Command(63, 1001, 2000),
    Command(79, 402),
    Command(80, 401),
    Command(81, 4002),
    Command(82, 4001),
};

const KeyMap deverOroruKeys = { KEY_MAP_ROWS(rows), MAIN_PANEL_COMMAND_MESSAGE, 0, 0, NULL };
