// keymaps.ini as read into the user's applications: sections, patterns, repeat rules, the
// rows each code line becomes, and the message about the lines that were skipped.
#include <gtest/gtest.h>
#include <windows.h>
#include <string.h>
#include <string>
#include <vector>

#include "profiles/key_names.h"
#include "profiles/user_keymaps.h"

namespace {

std::string problems;

int Parse(const std::string &text)
{
    char message[PROBLEMS_TEXT_SIZE + 300];
    int count = ParseUserKeymaps(text.data(), text.size(), "C:\\kestrel\\keymaps.ini", message, sizeof message);
    problems = message;
    return count;
}

// One row as plain text, so that a table of them reads like the file.
std::string Row(const KeyMapRow &row)
{
    char text[120];
    switch (row.action) {
    case KEY_COMBINATION:
        snprintf(text, sizeof text, "%u key %d %d %d %d %u", row.code, row.modifiers[0], row.modifiers[1],
                 row.modifiers[2], row.modifiers[3], row.value);
        break;
    case KEY_DOWN:
        snprintf(text, sizeof text, "%u post %u 0x%08lX", row.code, row.value, (unsigned long)row.lParam);
        break;
    case KEY_MESSAGE:
        snprintf(text, sizeof text, "%u message %u %u 0x%08lX", row.code, row.message, row.value,
                 (unsigned long)row.lParam);
        break;
    case KEY_PAUSE:
        snprintf(text, sizeof text, "%u pause %u", row.code, row.value);
        break;
    default:
        snprintf(text, sizeof text, "%u other %d", row.code, (int)row.action);
        break;
    }
    return text;
}

std::vector<std::string> Rows(int app)
{
    std::vector<std::string> rows;
    for (int i = 0; i < userApps[app].map.rowCount; ++i)
        rows.push_back(Row(userApps[app].map.rows[i]));
    return rows;
}

} // namespace

TEST(UserKeyMaps, SectionsBecomeApplicationsInFileOrder)
{
    ASSERT_EQ(0, Parse("; my remote\r\n"
                       "[Media player]\r\n"
                       "class=MediaPlayerClass*        ; the player's window\r\n"
                       "Title=*- Media Player\r\n"
                       "repeat=1\r\n"
                       "24=key Up\r\n"
                       "\r\n"
                       "[ Slides ]\n"
                       "TITLE = Slide Show\n"
                       "8 = key Space\n"
                       "[Browser]\n"
                       "class=Browser;Window\n"
                       "repeat=0\n"))
        << problems;
    EXPECT_EQ("", problems);
    ASSERT_EQ(3, userAppCount);
    EXPECT_STREQ("Media player", userApps[0].name);
    EXPECT_STREQ("MediaPlayerClass*", userApps[0].windowClass);
    EXPECT_STREQ("*- Media Player", userApps[0].windowTitle);
    EXPECT_EQ(1, userApps[0].repeatEvery);
    EXPECT_STREQ("Slides", userApps[1].name);
    EXPECT_STREQ("", userApps[1].windowClass);
    EXPECT_STREQ("Slide Show", userApps[1].windowTitle);
    EXPECT_EQ(10, userApps[1].repeatEvery) << "the nine's rule unless the section says";
    EXPECT_STREQ("Browser;Window", userApps[2].windowClass) << "a ';' inside a value is no comment";
    EXPECT_EQ(0, userApps[2].repeatEvery);
    EXPECT_EQ(std::vector<std::string>{ "24 key 0 0 0 0 38" }, Rows(0));
    EXPECT_EQ(std::vector<std::string>{ "8 key 0 0 0 0 32" }, Rows(1));
    EXPECT_EQ(0, UserAppMapsCode(userApps[0], 8));
    EXPECT_EQ(1, UserAppMapsCode(userApps[1], 8));
    EXPECT_EQ(std::vector<std::string>{}, Rows(2));
}

TEST(UserKeyMaps, CodeLinesBecomeRowsInTheOrderWritten)
{
    ASSERT_EQ(0, Parse("[A]\nclass=X\n"
                       "42=key Ctrl+P\n"
                       "54=KEY alt + left\n"
                       "43=key Ctrl+Shift+Alt+Win+F5\n"
                       "60=post F8\n"
                       "61=post Up\n"
                       "62=message 0x0111 1001 0\n"
                       "63=message 4024 0xFFFFFFFF 4294967295\n"
                       "22=key Ctrl+S, pause 500, key Enter\n"
                       "254=pause 10000\n"
                       "0=key vk:0xA5\n"))
        << problems;
    EXPECT_EQ((std::vector<std::string>{
                  "42 key 17 0 0 0 80", "54 key 18 0 0 0 37", "43 key 17 16 18 91 116",
                  "60 post 119 0x00420001", "61 post 38 0x01480001", "62 message 273 1001 0x00000000",
                  "63 message 4024 4294967295 0xFFFFFFFF", "22 key 17 0 0 0 83", "22 pause 500",
                  "22 key 0 0 0 0 13", "254 pause 10000", "0 key 0 0 0 0 165" }),
              Rows(0));
}

TEST(UserKeyMaps, UnreadableLinesAreSkippedAndListedWithWhatWasExpected)
{
    int count = Parse("24=key Up\n"                       // 1: before any section
                      "[Player]\n"
                      "class=Player\n"
                      "24=key Up\n"
                      "7=key Dwn\n"                       // 5
                      "255=key Up\n"                      // 6
                      "8=pause 10001\n"                   // 7
                      "9=message 12 x 0\n"                // 8
                      "10=press A\n"                      // 9
                      "24=key Down\n"                     // 10: a second line for 24
                      "[No window]\n"                     // 11
                      "7=key Down\n"
                      "[Second]\n"
                      "title=Second\n"
                      "repeat=many\n"                     // 15
                      "just words\n"                      // 16
                      "11=key A+B+C+D+E+F\n"              // 17
                      "12=key Ctrl+\n"                    // 18
                      "13=key Up,\n"                      // 19
                      "-1=key Up\n"                       // 20
                      "21=key Up\n");
    EXPECT_EQ(14, count) << problems;
    EXPECT_EQ("C:\\kestrel\\keymaps.ini: 14 lines were skipped, the rest is in use.\n\n"
              "Line 1: 24=key Up\n    expected [name of the application] before the first line\n"
              "Line 5: 7=key Dwn\n    expected key names such as A, 5, F8, Up, Ctrl+P or vk:<number>\n"
              "Line 6: 255=key Up\n    expected a remote code from 0 to 254, class=, title= or repeat=\n"
              "Line 7: 8=pause 10001\n    expected a pause from 0 to 10000 ms\n"
              "Line 8: 9=message 12 x 0\n"
              "    expected message <number> <wParam> <lParam>, numbers decimal or 0x hexadecimal\n"
              "Line 9: 10=press A\n    expected key, post, message or pause\n"
              "Line 10: 24=key Down\n    expected one line per code in a section\n"
              "Line 11: [No window]\n    expected class= or title= in this section\n"
              "Line 15: repeat=many\n    expected repeat=<every Nth repeat passes, 0 to 1000>\n"
              "Line 16: just words\n    expected <remote code>=<action>, class=, title= or repeat=\n"
              "...and 4 more.\n",
              problems);
    // What could be read works: two applications, each with its one good line.
    ASSERT_EQ(2, userAppCount);
    EXPECT_EQ(std::vector<std::string>{ "24 key 0 0 0 0 38" }, Rows(0));
    EXPECT_EQ(std::vector<std::string>{ "21 key 0 0 0 0 38" }, Rows(1));
    EXPECT_EQ(10, userApps[1].repeatEvery);
}

TEST(UserKeyMaps, OneProblemIsCountedInTheSingularAndAnEmptyFileHasNone)
{
    EXPECT_EQ(1, Parse("[P]\nclass=P\n5=pause\n"));
    EXPECT_EQ("C:\\kestrel\\keymaps.ini: 1 line was skipped, the rest is in use.\n\n"
              "Line 3: 5=pause\n    expected key, post, message or pause with what it takes\n",
              problems);
    EXPECT_EQ(1, Parse("[Q]\n5=key A\n")) << "the first section too needs a window";
    EXPECT_NE(std::string::npos, problems.find("Line 1: [Q]\n    expected class= or title= in this section\n"));
    EXPECT_EQ(0, Parse(""));
    EXPECT_EQ("", problems);
    EXPECT_EQ(0, userAppCount) << "a new reading replaces the old applications";
}

TEST(UserKeyMaps, TheRowTableHasRoomForOneFileAndNoMore)
{
    std::string text = "[P]\nclass=P\n";
    for (int code = 0; code < 128; ++code)
        text += std::to_string(code) + "=key A, key B, key C, key D, key E, key F, key G, key H\n";
    text += "200=key Up\n";
    EXPECT_EQ(1, Parse(text));
    EXPECT_NE(std::string::npos, problems.find("Line 131: 200=key Up\n    expected at most 1024 actions"))
        << problems;
    EXPECT_EQ(USER_ROW_MAX, userApps[0].map.rowCount);
}

TEST(UserKeyMaps, ALineBeyondALimitSaysWhatTheLimitIs)
{
    std::string text = "[P]\nclass=" + std::string(USER_PATTERN_SIZE, 'C') + "\n1=pause 0";
    for (int action = 0; action < 64; ++action)
        text += ", pause 0";
    text += "\n";
    for (int app = 0; app < USER_APP_MAX; ++app)
        text += "[Q]\ntitle=Q\n";
    EXPECT_EQ(3, Parse(text));
    for (const char *expected : { "    expected a class or title of at most 127 characters\n",
                                  "Line 3: 1=pause 0, pause 0", "    expected at most 64 actions on a line\n",
                                  "Line 66: [Q]\n    expected at most 32 applications\n" })
        EXPECT_NE(std::string::npos, problems.find(expected)) << expected << problems;
    EXPECT_EQ(USER_APP_MAX, userAppCount);
}

// The scan codes of the letters, digits and F1..F12 are those the system's own US keyboard
// layout gives.
TEST(UserKeyMaps, PostedKeysCarryTheScanCodesOfTheKeyboardLayout)
{
    std::string names = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (char name : names) {
        NamedKey key = { 0, 0, 0 };
        ASSERT_EQ(1, LookUpKeyName(TextSpan{ &name, 1 }, &key)) << name;
        EXPECT_EQ(MapVirtualKeyA(key.vk, 0), key.scan) << name;
    }
    for (int number = 1; number <= 12; ++number) {
        std::string name = "F" + std::to_string(number);
        NamedKey key = { 0, 0, 0 };
        ASSERT_EQ(1, LookUpKeyName(TextSpan{ name.c_str(), name.size() }, &key)) << name;
        EXPECT_EQ(MapVirtualKeyA(key.vk, 0), key.scan) << name;
    }
}
