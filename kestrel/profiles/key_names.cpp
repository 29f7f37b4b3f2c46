// The key names a person writes in keymaps.ini. Scan codes are those of a US keyboard, as
// the built-in maps carry them in their posted key-downs.
#include "profiles/key_names.h"

#include "common/text_case.h"
#include "common/text_span.h"

struct KeyNameRow {
    const char *name;
    unsigned int vk;
    unsigned int scan;
};

static const KeyNameRow namedKeys[] = {
    { "Up", 0x26, 0x48 },
    { "Down", 0x28, 0x50 },
    { "Left", 0x25, 0x4B },
    { "Right", 0x27, 0x4D },
    { "Enter", 0x0D, 0x1C },
    { "Escape", 0x1B, 0x01 },
    { "Space", 0x20, 0x39 },
    { "Tab", 0x09, 0x0F },
    { "Backspace", 0x08, 0x0E },
    { "Home", 0x24, 0x47 },
    { "End", 0x23, 0x4F },
    { "PageUp", 0x21, 0x49 },
    { "PageDown", 0x22, 0x51 },
    { "Insert", 0x2D, 0x52 },
    { "Delete", 0x2E, 0x53 },
    { "Ctrl", 0x11, 0x1D },
    { "Shift", 0x10, 0x2A },
    { "Alt", 0x12, 0x38 },
    { "Win", 0x5B, 0x5B },
    { "MediaPlayPause", 0xB3, 0x22 },
    { "MediaStop", 0xB2, 0x24 },
    { "MediaNext", 0xB0, 0x19 },
    { "MediaPrev", 0xB1, 0x10 },
    { "VolumeUp", 0xAF, 0x30 },
    { "VolumeDown", 0xAE, 0x2E },
    { "VolumeMute", 0xAD, 0x20 },
    { "BrowserBack", 0xA6, 0x6A },
    { "BrowserForward", 0xA7, 0x69 },
};

// Set-1 scan codes of the letters A..Z, the digits 0..9 and F1..F24.
static const unsigned char letterScans[26] = {
    0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17, 0x24, 0x25, 0x26, 0x32,
    0x31, 0x18, 0x19, 0x10, 0x13, 0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C,
};
static const unsigned char digitScans[10] = { 0x0B, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A };
static const unsigned char functionScans[24] = {
    0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41, 0x42, 0x43, 0x44, 0x57, 0x58,
    0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6A, 0x6B, 0x6C, 0x6D, 0x6E, 0x76,
};

int ReadTextNumber(TextSpan text, unsigned long *value)
{
    unsigned int base = 10;
    if (text.length > 2 && text.text[0] == '0' && FoldCase(text.text[1]) == 'x') {
        base = 16;
        text.text += 2;
        text.length -= 2;
    }
    if (text.length == 0)
        return 0;
    unsigned long long number = 0;
    for (size_t i = 0; i < text.length; ++i) {
        char c = FoldCase(text.text[i]);
        unsigned int digit;
        if (c >= '0' && c <= '9')
            digit = (unsigned int)(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = (unsigned int)(c - 'a' + 10);
        else
            return 0;
        number = number * base + digit;
        if (number > 0xFFFFFFFFull)
            return 0;
    }
    *value = (unsigned long)number;
    return 1;
}

int IsExtendedVk(unsigned int vk)
{
    // Paging and cursor keys, Insert and Delete; the Windows and menu keys; the right-hand
    // Ctrl and Alt; the browser, volume, media and launch keys.
    return (vk >= 0x21 && vk <= 0x28) || vk == 0x2D || vk == 0x2E || (vk >= 0x5B && vk <= 0x5D)
           || vk == 0xA3 || vk == 0xA5 || (vk >= 0xA6 && vk <= 0xB7);
}

static unsigned int ScanOfVk(unsigned int vk)
{
    if (vk >= 'A' && vk <= 'Z')
        return letterScans[vk - 'A'];
    if (vk >= '0' && vk <= '9')
        return digitScans[vk - '0'];
    if (vk >= 0x70 && vk <= 0x87)
        return functionScans[vk - 0x70];
    for (const KeyNameRow &row : namedKeys) {
        if (row.vk == vk)
            return row.scan;
    }
    return 0;
}

static int SetKey(unsigned int vk, NamedKey *key)
{
    key->vk = vk;
    key->scan = ScanOfVk(vk);
    key->extended = IsExtendedVk(vk);
    return 1;
}

int LookUpKeyName(TextSpan name, NamedKey *key)
{
    if (name.length == 1) {
        char c = FoldCase(name.text[0]);
        if (c >= 'a' && c <= 'z')
            return SetKey((unsigned int)(c - 'a' + 'A'), key);
        if (c >= '0' && c <= '9')
            return SetKey((unsigned int)c, key);
    }
    unsigned long number = 0;
    if (name.length >= 2 && name.length <= 3 && FoldCase(name.text[0]) == 'f' && name.text[1] != '0') {
        if (ReadTextNumber(TextSpan{ name.text + 1, name.length - 1 }, &number) && number >= 1 && number <= 24)
            return SetKey(0x70 + (unsigned int)number - 1, key);
    }
    if (name.length > 3 && SameIgnoringCase(name.text, "vk:", 3)) {
        if (ReadTextNumber(TextSpan{ name.text + 3, name.length - 3 }, &number) && number >= 1 && number <= 254)
            return SetKey((unsigned int)number, key);
        return 0;
    }
    for (const KeyNameRow &row : namedKeys) {
        if (SpanIs(name, row.name))
            return SetKey(row.vk, key);
    }
    return 0;
}

unsigned long KeyDownLParam(const NamedKey &key)
{
    return 1ul | ((unsigned long)key.scan << 16) | (key.extended ? 1ul << 24 : 0ul);
}
