// The pieces of the user's key maps that need no window system: the file's lines, key names
// and the lParam of a posted key, window patterns, the repeat rule of a section and the code
// viewer's lines.
#include <gtest/gtest.h>
#include <string.h>
#include <string>

#include "common/text_span.h"
#include "core/key_filter.h"
#include "profiles/key_names.h"
#include "profiles/window_pattern.h"
#include "ui/code_line.h"

static std::string Text(TextSpan span)
{
    return std::string(span.text, span.length);
}

TEST(UserKeyNames, LinesAreReadWithoutCommentsAndBlanks)
{
    const char text[] = "; my remote\r\n\t[ Player ]  \r\nclass=A;B\t; its window\n\n24 = key Up ;";
    // Each line's content, then the line as a message shows it.
    const char *lines[][2] = {
        { "", "; my remote" }, { "[ Player ]", "[ Player ]" }, { "class=A;B", "class=A;B\t; its window" },
        { "", "" }, { "24 = key Up", "24 = key Up ;" },
    };
    TextSpan all = { text, strlen(text) }, line, raw;
    for (const auto &expected : lines) {
        ASSERT_EQ(1, NextSpanLine(&all, &line, &raw)) << expected[1];
        EXPECT_EQ(expected[0], Text(line));
        EXPECT_EQ(expected[1], Text(raw));
    }
    EXPECT_EQ(0, NextSpanLine(&all, &line, &raw)) << "the text ends with its last line";
    char out[6];
    EXPECT_EQ(1, CopySpan(out, sizeof out, TextSpan{ "Title", 5 }));
    EXPECT_STREQ("Title", out);
    EXPECT_EQ(0, CopySpan(out, sizeof out, TextSpan{ "Titles", 6 })) << "cut to fit, and says so";
    EXPECT_STREQ("Title", out);
}

struct NameCase {
    const char *name;
    int known;
    unsigned vk;
    unsigned long lParam;   // of a posted key-down: 1 | scan << 16 | extended << 24
};

TEST(UserKeyNames, NamesGiveTheKeyAndItsPostedLParam)
{
    // Scan codes of a US keyboard (set 1); the E0 keys carry bit 24.
    const NameCase cases[] = {
        { "A", 1, 65, 0x001E0001 }, { "z", 1, 90, 0x002C0001 }, { "L", 1, 76, 0x00260001 },
        { "0", 1, 48, 0x000B0001 }, { "1", 1, 49, 0x00020001 }, { "9", 1, 57, 0x000A0001 },
        { "F1", 1, 112, 0x003B0001 }, { "f8", 1, 119, 0x00420001 }, { "F10", 1, 121, 0x00440001 },
        { "F11", 1, 122, 0x00570001 }, { "F12", 1, 123, 0x00580001 }, { "F24", 1, 135, 0x00760001 },
        { "Up", 1, 38, 0x01480001 }, { "DOWN", 1, 40, 0x01500001 }, { "left", 1, 37, 0x014B0001 },
        { "Right", 1, 39, 0x014D0001 }, { "Enter", 1, 13, 0x001C0001 }, { "Escape", 1, 27, 0x00010001 },
        { "Space", 1, 32, 0x00390001 }, { "Tab", 1, 9, 0x000F0001 }, { "Backspace", 1, 8, 0x000E0001 },
        { "Home", 1, 36, 0x01470001 }, { "End", 1, 35, 0x014F0001 }, { "PageUp", 1, 33, 0x01490001 },
        { "PageDown", 1, 34, 0x01510001 }, { "Insert", 1, 45, 0x01520001 }, { "Delete", 1, 46, 0x01530001 },
        { "Ctrl", 1, 17, 0x001D0001 }, { "Shift", 1, 16, 0x002A0001 }, { "Alt", 1, 18, 0x00380001 },
        { "Win", 1, 91, 0x015B0001 }, { "MediaPlayPause", 1, 179, 0x01220001 },
        { "MediaStop", 1, 178, 0x01240001 }, { "MediaNext", 1, 176, 0x01190001 },
        { "MediaPrev", 1, 177, 0x01100001 }, { "VolumeUp", 1, 175, 0x01300001 },
        { "VolumeDown", 1, 174, 0x012E0001 }, { "VolumeMute", 1, 173, 0x01200001 },
        { "BrowserBack", 1, 166, 0x016A0001 }, { "BrowserForward", 1, 167, 0x01690001 },
        // vk:<number>: a named key keeps its scan code, the right-hand Ctrl and Alt are extended.
        { "vk:1", 1, 1, 0x00000001 }, { "vk:65", 1, 65, 0x001E0001 }, { "VK:0x26", 1, 38, 0x01480001 }, { "vk:163", 1, 163, 0x01000001 },
        { "vk:165", 1, 165, 0x01000001 }, { "vk:162", 1, 162, 0x00000001 }, { "vk:254", 1, 254, 0x00000001 },
        { "vk:0", 0, 0, 0 }, { "vk:255", 0, 0, 0 }, { "vk:", 0, 0, 0 }, { "vk:x", 0, 0, 0 },
        { "F0", 0, 0, 0 }, { "F25", 0, 0, 0 }, { "F01", 0, 0, 0 }, { "Fx", 0, 0, 0 }, { "", 0, 0, 0 },
        { "Control", 0, 0, 0 }, { "Up ", 0, 0, 0 }, { "AB", 0, 0, 0 }, { "%", 0, 0, 0 }, { "Upx", 0, 0, 0 },
    };
    for (const NameCase &c : cases) {
        NamedKey key = { 0, 0, 0 };
        ASSERT_EQ(c.known, LookUpKeyName(TextSpan{ c.name, strlen(c.name) }, &key)) << c.name;
        if (!c.known)
            continue;
        EXPECT_EQ(c.vk, key.vk) << c.name;
        EXPECT_EQ(c.lParam, KeyDownLParam(key)) << c.name;
    }
    // A name is read over its length only, as the reader hands names out of a longer line.
    NamedKey key = { 0, 0, 0 };
    ASSERT_EQ(1, LookUpKeyName(TextSpan{ "F1+Up", 2 }, &key));
    EXPECT_EQ(112u, key.vk);
}

TEST(UserKeyNames, NumbersAreDecimalOrHexadecimalUpTo32Bits)
{
    struct { const char *text; int ok; unsigned long value; } cases[] = {
        { "0", 1, 0 }, { "273", 1, 273 }, { "0x5", 1, 5 }, { "0x0111", 1, 0x111 }, { "0XfF", 1, 255 },
        { "4294967295", 1, 0xFFFFFFFFul }, { "0xFFFFFFFF", 1, 0xFFFFFFFFul },
        { "4294967296", 0, 0 }, { "0x100000000", 0, 0 }, { "", 0, 0 }, { "0x", 0, 0 },
        { "12a", 0, 0 }, { "-1", 0, 0 }, { "1 2", 0, 0 }, { "0x1g", 0, 0 },
    };
    for (const auto &c : cases) {
        unsigned long value = 77;
        ASSERT_EQ(c.ok, ReadTextNumber(TextSpan{ c.text, strlen(c.text) }, &value)) << c.text;
        if (c.ok) {
            EXPECT_EQ(c.value, value) << c.text;
        }
    }
}

TEST(UserKeyNames, ExtendedKeysAreThoseOfARealKeyboard)
{
    const unsigned extended[] = { 33, 34, 35, 36, 37, 38, 39, 40, 45, 46, 91, 92, 93, 163, 165, 166, 175, 183 };
    const unsigned plain[] = { 8, 9, 13, 16, 17, 18, 27, 32, 44, 47, 48, 65, 90, 94, 112, 160, 161, 162, 164, 184 };
    for (unsigned vk : extended)
        EXPECT_EQ(1, IsExtendedVk(vk)) << vk;
    for (unsigned vk : plain)
        EXPECT_EQ(0, IsExtendedVk(vk)) << vk;
}

TEST(UserKeyNames, WindowPatternsMatchWholeStartEndOrContained)
{
    struct { const char *pattern, *text; int matches; } cases[] = {
        { "MediaPlayerClass", "mediaplayerclass", 1 }, { "MediaPlayerClass", "MediaPlayerClass2", 0 },
        { "MediaPlayerClass", "MediaPlayer", 0 }, { "MediaPlayer*", "MediaPlayerClass", 1 },
        { "MediaPlayer*", "MediaPlayer", 1 }, { "MediaPlayer*", "TheMediaPlayer", 0 },
        { "*- Media Player", "song - media player", 1 }, { "*- Media Player", "- Media Player!", 0 },
        { "*Player*", "My Player Window", 1 }, { "*Player*", "Player", 1 }, { "*Player*", "Playe", 0 },
        { "*", "anything", 1 }, { "", "anything", 1 }, { "Player", "", 0 }, { "*x*", "", 0 },
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.matches, MatchWindowPattern(c.pattern, c.text)) << c.pattern << " / " << c.text;
}

TEST(UserKeyNames, ASectionPassesTheFirstEventAndEveryNthRepeat)
{
    // Events of a key held for twelve events: repeat counts 0 (the press) to 11.
    struct { int every; const char *passed; } cases[] = {
        { 1, "111111111111" }, { 3, "100100100100" }, { 10, "100000000010" }, { 0, "100000000000" },
    };
    for (const auto &c : cases) {
        std::string passed;
        for (int count = 0; count < 12; ++count)
            passed += PassesRepeatRule(c.every, count, count > 0) ? '1' : '0';
        EXPECT_EQ(c.passed, passed) << "repeat=" << c.every;
    }
    EXPECT_EQ(1, PassesRepeatRule(0, 3, false)) << "a new press always passes";
}

TEST(UserKeyNames, CodeViewerLinesTellCodeLabelKindAndWhere)
{
    char line[160];
    ASSERT_EQ(1, FormatCodeLine(line, sizeof line, 9, 5, 7, 42, 24, "Up", KindOfCodeEvent(0, 1, 1), "Player"));
    EXPECT_STREQ("09:05:07.042  code 24 (Up)  first  -> Player", line);
    FormatCodeLine(line, sizeof line, 23, 59, 59, 999, 6, NULL, KindOfCodeEvent(1, 0, 1), "the mouse");
    EXPECT_STREQ("23:59:59.999  code 6  held  -> the mouse", line);
    FormatCodeLine(line, sizeof line, 0, 0, 0, 0, 7, "Down", KindOfCodeEvent(1, 1, 0), "Player");
    EXPECT_STREQ("00:00:00.000  code 7 (Down)  repeat dropped  -> Player", line);
    FormatCodeLine(line, sizeof line, 0, 0, 0, 0, 7, "Down", KindOfCodeEvent(1, 1, 1), "TotalMedia");
    EXPECT_STREQ("00:00:00.000  code 7 (Down)  repeat passed  -> TotalMedia", line);
    EXPECT_EQ(0, FormatCodeLine(line, 20, 0, 0, 0, 0, 7, "Down", CODE_FIRST, "x")) << "a cut line says so";
}
