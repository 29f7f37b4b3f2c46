// The remote's key table: what each code sends to the keystroke-driven applications.
#include "profiles/key_labels.h"

struct KeyLabelRow {
    int code;
    const char *label;
};

static const KeyLabelRow keyLabels[] = {
    { 7, "Down" }, { 8, "OK" }, { 11, "shut-down request" }, { 15, "Left" }, { 19, "Power" },
    { 21, "Right" }, { 22, "Ctrl+S" }, { 24, "Up" }, { 30, "1" }, { 31, "2" }, { 32, "3" },
    { 33, "4" }, { 34, "5" }, { 35, "6" }, { 36, "7" }, { 37, "8" }, { 38, "9" }, { 39, "0" },
    { 42, "Ctrl+P" }, { 45, "Ctrl+T" }, { 54, "Back" }, { 60, "F8" }, { 62, "Alt+Enter" },
    { 63, "Ctrl+R" }, { 79, "F9" }, { 80, "F10" }, { 81, "minus / Page Down" },
    { 82, "plus / Page Up" },
};

const char *RemoteKeyLabel(int code)
{
    for (const KeyLabelRow &row : keyLabels) {
        if (row.code == code)
            return row.label;
    }
    return 0;
}
