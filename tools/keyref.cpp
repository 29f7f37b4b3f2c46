// Writes the remote's key reference of the nine applications, in Markdown, to standard output:
// for every code an application's key map handles, the key's label and what the application
// receives, read from the very tables kestrel runs.   keyref > docs/keys.md
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <windows.h>

#include "common/bounded_text.h"
#include "profiles/catalogue.h"
#include "profiles/key_interpreter.h"
#include "profiles/key_labels.h"
#include "profiles/primitives.h"

// A virtual key as a keyboard names it.
static void KeyName(unsigned vk, char *out, size_t size)
{
    static const struct { unsigned vk; const char *name; } names[] = {
        { VK_BACK, "Backspace" }, { VK_RETURN, "Enter" }, { VK_SHIFT, "Shift" }, { VK_CONTROL, "Ctrl" },
        { VK_MENU, "Alt" }, { VK_ESCAPE, "Esc" }, { VK_PRIOR, "Page Up" }, { VK_NEXT, "Page Down" },
        { VK_LEFT, "Left" }, { VK_UP, "Up" }, { VK_RIGHT, "Right" }, { VK_DOWN, "Down" },
        { VK_ADD, "numpad plus" }, { VK_SUBTRACT, "numpad minus" },
    };
    for (const auto &row : names)
        if (row.vk == vk) {
            CopyText(out, size, row.name);
            return;
        }
    if (vk >= VK_F1 && vk <= VK_F24)
        FormatText(out, size, "F%u", vk - VK_F1 + 1);
    else if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9)
        FormatText(out, size, "numpad %u", vk - VK_NUMPAD0);
    else if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        FormatText(out, size, "%c", (char)vk);
    else
        FormatText(out, size, "key 0x%02X", vk);
}

static void Append(char *out, size_t size, const char *format, unsigned a = 0, unsigned b = 0, unsigned c = 0)
{
    char piece[160];
    FormatText(piece, sizeof piece, format, a, b, c);
    AppendText(out, size, piece);
}

static void AppendKey(char *out, size_t size, unsigned vk)
{
    char name[32];
    KeyName(vk, name, sizeof name);
    AppendText(out, size, name);
}

// Where a ZoruvUviro Zuvava command goes, by the row's routing mark.
static const char *RouteText(char mark)
{
    switch (mark) {
    case 'p': return " to the pop-up window in front (brought to the front), else to the main window";
    case 'm': return " to the main window, pop-up or not";
    case 'v': return " to the main window, unless the PictureView player is the pop-up in front";
    default: return " to the main window while no pop-up window shows";
    }
}

static void Command(char *out, size_t size, const KeyMap &map, unsigned command)
{
    if (map.commandInLParam)
        Append(out, size, "message %u, wParam %u, lParam %u", map.commandMessage, (unsigned)map.commandWParam, command);
    else
        Append(out, size, "message %u, wParam %u", map.commandMessage, command);
}

// One row's effect for one code, as the application sees it.
static void DescribeRow(char *out, size_t size, const KeyMap &map, const KeyMapRow &row, unsigned code)
{
    int digit = DigitOfKey(code);
    unsigned value = row.code == DIGIT_KEYS ? row.value + (unsigned)digit : row.value;
    switch (row.action) {
    case KEY_TAP:
        AppendText(out, size, "keystroke ");
        AppendKey(out, size, value);
        break;
    case KEY_CHORD:
        AppendText(out, size, "keystrokes ");
        AppendKey(out, size, row.modifiers[0]);
        AppendText(out, size, "+");
        if (row.modifiers[1]) {
            AppendKey(out, size, row.modifiers[1]);
            AppendText(out, size, "+");
        }
        AppendKey(out, size, value);
        break;
    case KEY_POST_DOWN:
        AppendText(out, size, "brought to the front, then a posted key-down ");
        AppendKey(out, size, value & 0xFF);
        Append(out, size, " (lParam 0x%08X)", FIXED_KEYDOWN_LPARAM);
        break;
    case KEY_DOWN: {
        LPARAM lParam = row.lParam;
        if (lParam == DIGIT_SCAN_LPARAM)
            lParam = ((LPARAM)(digit == 0 ? 11 : digit + 1) << 16) | 1;
        AppendText(out, size, "a posted key-down ");
        AppendKey(out, size, value);
        Append(out, size, " (lParam 0x%08X)", (unsigned)lParam);
        break;
    }
    case KEY_MESSAGE:
        Append(out, size, "message %u, wParam %u", row.message, value);
        break;
    case KEY_RAISE_COMMAND:
        AppendText(out, size, "brought to the front and raised, then ");
        Command(out, size, map, value);
        break;
    case KEY_COMMAND:
        Command(out, size, map, value);
        if (map.route && row.mark == 's')
            AppendText(out, size, " (wParam 20 with the playback skin installed)");
        if (map.route)
            AppendText(out, size, RouteText(row.mark));
        break;
    case KEY_COMBINATION:
    case KEY_PAUSE:
        // Only the user's own maps have these.
        break;
    }
}

static int Maps(const KeyMap &map, unsigned code)
{
    for (int i = 0; i < map.rowCount; ++i)
        if (map.rows[i].code == code || (map.rows[i].code == DIGIT_KEYS && DigitOfKey(code) >= 0))
            return 1;
    return 0;
}

static void WriteApplication(const TvAppEntry &entry)
{
    const KeyMap &map = *entry.keyMap;
    printf("## %s\n\n| Code | Remote key | What %s receives |\n|---|---|---|\n", entry.menuText, entry.menuText);
    for (unsigned code = 0; code < 256; ++code) {
        if (!Maps(map, code))
            continue;
        char text[512] = "";
        DWORD pauseMs = 0;
        for (int i = 0; i < map.rowCount; ++i) {
            const KeyMapRow &row = map.rows[i];
            if (row.code != code && !(row.code == DIGIT_KEYS && DigitOfKey(code) >= 0))
                continue;
            if (text[0])
                AppendText(text, sizeof text, ", then ");
            DescribeRow(text, sizeof text, map, row, code);
            if (row.pauseMs)
                pauseMs = row.pauseMs;
        }
        if (pauseMs)
            Append(text, sizeof text, "; kestrel then waits %u ms", pauseMs);
        const char *label = RemoteKeyLabel(code);
        printf("| %u | %s | %s |\n", code, label ? label : "", text);
    }
    printf("\n");
}

int main()
{
    // The reference is compared byte for byte: no carriage returns.
    _setmode(_fileno(stdout), _O_BINARY);
    printf("# The remote's keys in each application\n\n"
           "Generated from kestrel's key maps by `./run docs`; do not edit by hand.\n\n"
           "kestrel sends a key to the application it drives: the one it started with Power or "
           "from the tray menu, else the first one whose window it finds. Power (code 19) never reaches an application: it "
           "starts or closes the default application. Codes 0 to 10 move and click the mouse "
           "pointer while no application runs, and code 11 then asks whether to shut the computer "
           "down. \"Keystrokes\" go to the application's window after kestrel brought it to the "
           "front; key-downs and messages are posted to its window. A held key passes its first "
           "press and then every tenth repeat.\n\n");
    for (int index = 1; index <= TV_APP_COUNT; ++index)
        WriteApplication(*CatalogueEntry(index));
    return 0;
}
