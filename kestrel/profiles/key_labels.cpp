// The remote's key labels, one row per code that a key map handles.
#include "profiles/key_labels.h"

#include <stddef.h>

struct KeyLabel {
    unsigned int code;
    const char *label;
};

static const KeyLabel labels[] = {
    { 5, "key 5" },
    { 7, "Down" },
    { 8, "OK" },
    { 11, "shut-down request" },
    { 15, "Left" },
    { 19, "Power" },
    { 21, "Right" },
    { 22, "Ctrl+S" },
    { 24, "Up" },
    { 30, "digit 1" },
    { 31, "digit 2" },
    { 32, "digit 3" },
    { 33, "digit 4" },
    { 34, "digit 5" },
    { 35, "digit 6" },
    { 36, "digit 7" },
    { 37, "digit 8" },
    { 38, "digit 9" },
    { 39, "digit 0" },
    { 42, "Ctrl+P" },
    { 45, "Ctrl+T" },
    { 46, "key 46" },
    { 54, "Back" },
    { 55, "key 55" },
    { 59, "key 59" },
    { 60, "F8" },
    { 62, "Alt+Enter" },
    { 63, "Ctrl+R" },
    { 79, "F9" },
    { 80, "F10" },
    { 81, "minus / Page Down" },
    { 82, "plus / Page Up" },
};

const char *RemoteKeyLabel(unsigned int code)
{
    for (const KeyLabel &row : labels)
        if (row.code == code)
            return row.label;
    return NULL;
}
