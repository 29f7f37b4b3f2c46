// tollgate's decisions on plain values, without Windows.
#include <gtest/gtest.h>

#include <limits.h>
#include <string.h>
#include <string>

#include "common/bounded_text.h"
#include "common/text_case.h"
#include "device/audio_class_rules.h"
#include "device/i2c_rules.h"
#include "mediacheck/nearest_key.h"
#include "medium/ini_number.h"
#include "medium/launcher_paths.h"
#include "medium/msu_file.h"
#include "steps/os_class_rules.h"

TEST(IniNumber, ConvertsAsAtoiDoes)
{
    // whole: the number is all there is, as a medium author means it.
    static const struct { const char *text; int value; int whole; } cases[] = {
        { "", 0, 0 },
        { "abc", 0, 0 },
        { "7", 7, 1 },
        { " 2", 2, 1 },
        { "\t\r\n 3", 3, 1 },
        { "-1", -1, 1 },
        { "+4", 4, 1 },
        { "12abc", 12, 0 },
        { "1 2", 1, 0 },
        { "0x10", 0, 0 },
        { "- 5", 0, 0 },
        { "--5", 0, 0 },
        { "5000", 5000, 1 },
        { "3 ", 3, 1 },
        { "+", 0, 0 },
        { "2147483647", INT_MAX, 1 },
        { "-2147483648", INT_MIN, 1 },
        { "-2147483647", -2147483647, 1 },
        { "99999999999999999999", INT_MAX, 1 },
        { "-99999999999999999999", INT_MIN, 1 },
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.value, IniNumber(c.text)) << "text \"" << c.text << "\"";
        EXPECT_EQ(c.whole, IniNumberIsWhole(c.text)) << "text \"" << c.text << "\"";
    }
    EXPECT_EQ(0, IniNumber(NULL));
    EXPECT_EQ(0, IniNumberIsWhole(NULL));
}

TEST(LauncherFolder, IsThePathUpToTheLastBackslash)
{
    char folder[64];
    ASSERT_TRUE(LauncherFolderOf("D:\\Setup.exe", folder, sizeof folder));
    EXPECT_STREQ("D:", folder);
    ASSERT_TRUE(LauncherFolderOf("C:\\media\\disc one\\Setup.exe", folder, sizeof folder));
    EXPECT_STREQ("C:\\media\\disc one", folder);
    // A renamed launcher still finds its medium.
    ASSERT_TRUE(LauncherFolderOf("C:\\media\\Install tuner drivers.exe", folder, sizeof folder));
    EXPECT_STREQ("C:\\media", folder);
    ASSERT_TRUE(LauncherFolderOf("C:\\m\\S.exe", folder, sizeof folder));
    EXPECT_STREQ("C:\\m", folder);
}

TEST(LauncherFolder, FailsWithoutBackslashOrRoom)
{
    char folder[8];
    EXPECT_FALSE(LauncherFolderOf("Setup.exe", folder, sizeof folder));
    EXPECT_STREQ("", folder);
    EXPECT_FALSE(LauncherFolderOf("C:\\a-long-folder\\Setup.exe", folder, sizeof folder));
    EXPECT_STREQ("", folder);
    ASSERT_TRUE(LauncherFolderOf("C:\\abcd\\x", folder, sizeof folder));
    EXPECT_STREQ("C:\\abcd", folder);
}

TEST(CommandLines, QuoteTheProgramPath)
{
    char line[128];
    ASSERT_TRUE(SetupCommandLine("C:\\media\\disc one", "XP_x86", "SetupDrv.exe", line, sizeof line));
    EXPECT_STREQ("\"C:\\media\\disc one\\XP_x86\\SetupDrv.exe\"", line);
    ASSERT_TRUE(AnotherApCommandLine("C:\\m", "tools\\Player Setup.exe", "0", line, sizeof line));
    EXPECT_STREQ("\"C:\\m\\tools\\Player Setup.exe\" 0", line);
    // The parameter text follows one blank even when it is empty.
    ASSERT_TRUE(AnotherApCommandLine("C:\\m", "a.exe", "", line, sizeof line));
    EXPECT_STREQ("\"C:\\m\\a.exe\" ", line);
    ASSERT_TRUE(AnotherApFile("C:\\m b", "pkg\\fix.msu", line, sizeof line));
    EXPECT_STREQ("C:\\m b\\pkg\\fix.msu", line);
    ASSERT_TRUE(SettingFilePath("C:\\m b", line, sizeof line));
    EXPECT_STREQ("C:\\m b\\Setting.ini", line);
}

TEST(CommandLines, ThatDoNotFitAreRefused)
{
    // "C:\m\ab\c.exe" in quotes is 15 characters: 16 bytes fit, 15 do not.
    char line[32];
    EXPECT_TRUE(SetupCommandLine("C:\\m", "ab", "c.exe", line, 16));
    EXPECT_FALSE(SetupCommandLine("C:\\m", "ab", "c.exe", line, 15));
    std::string entry(600, 'x');
    char big[512];
    EXPECT_FALSE(AnotherApCommandLine("C:\\m", entry.c_str(), "0", big, sizeof big));
    EXPECT_FALSE(AnotherApFile("C:\\m", entry.c_str(), big, sizeof big));
    EXPECT_FALSE(SettingFilePath(entry.c_str(), big, sizeof big));
    std::string setupPath(255, 'p'), setupExe(255, 'e');
    EXPECT_FALSE(SetupCommandLine("C:\\m", setupPath.c_str(), setupExe.c_str(), big, sizeof big));
    EXPECT_TRUE(SetupCommandLine("C:\\m", setupPath.c_str(), "SetupDrv.exe", big, sizeof big));
}

TEST(BoundedText, ShortensOnlyTextsThatAreShown)
{
    char text[8];
    EXPECT_TRUE(CopyText(text, sizeof text, "1234567"));
    EXPECT_FALSE(CopyText(text, sizeof text, "12345678"));
    CopyTextShortened(text, sizeof text, "12345678");
    EXPECT_STREQ("1234...", text);
    CopyTextShortened(text, sizeof text, "abc");
    EXPECT_STREQ("abc", text);
}

TEST(BoundedText, EmptyTextFitsAndAppendingStopsAtTheBuffer)
{
    char text[8] = "xyz";
    EXPECT_TRUE(CopyText(text, sizeof text, ""));
    EXPECT_STREQ("", text);
    EXPECT_TRUE(CopyText(text, sizeof text, NULL));
    EXPECT_TRUE(AppendText(text, sizeof text, "1234"));
    EXPECT_TRUE(AppendText(text, sizeof text, "567"));
    EXPECT_STREQ("1234567", text);
    EXPECT_FALSE(AppendText(text, sizeof text, "8")) << "a full buffer takes nothing more";
    EXPECT_STREQ("1234567", text);
    char full[4] = { 'a', 'b', 'c', 'd' };
    EXPECT_FALSE(AppendText(full, sizeof full, "")) << "no terminator: nothing to append to";
}

TEST(Classes, VistaIsNtSixOnly)
{
    static const struct { unsigned long platform, major; int vista; } cases[] = {
        { 2, 6, 1 }, { 2, 5, 0 }, { 2, 10, 0 }, { 2, 4, 0 }, { 1, 6, 0 }, { 1, 4, 0 }, { 3, 6, 0 },
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.vista, IsVistaVersion(c.platform, c.major)) << c.platform << "/" << c.major;
}

TEST(Classes, X64FromTheLastParenthesis)
{
    static const struct { const char *text; int x64; } cases[] = {
        { "C:\\Program Files (x86)", 1 },
        { "C:\\Program Files (X86)", 1 },
        { "D:\\(a)\\Programs (x86)", 1 },
        { "C:\\Program Files (x86)\\", 0 },
        { "C:\\Program Files (x86) ", 0 },
        { "C:\\Program Files (x86)(64)", 0 },
        { "C:\\Program Files (x8", 0 },
        { "C:\\Program Files", 0 },
        { "", 0 },
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.x64, NamesX86Folder(c.text)) << "\"" << c.text << "\"";
    EXPECT_EQ(0, NamesX86Folder(NULL));
}

TEST(Classes, PickTheSettingsRow)
{
    EXPECT_EQ(CLASS_VISTA_X64, LauncherClassOf(1, 1));
    EXPECT_EQ(CLASS_VISTA_X86, LauncherClassOf(1, 0));
    EXPECT_EQ(CLASS_XP_X64, LauncherClassOf(0, 1));
    EXPECT_EQ(CLASS_XP_X86, LauncherClassOf(0, 0));
}

TEST(MsuFile, ExactLowerCaseExtensionOfTheLastDot)
{
    static const struct { const char *name; int package; } cases[] = {
        { "fix.msu", 1 },
        { "updates\\Windows6.0-KB1.msu", 1 },
        { "fix.MSU", 0 },
        { "fix.Msu", 0 },
        { "fix.msu.exe", 0 },
        { "fix.msux", 0 },
        { "msu", 0 },
        { "fix", 0 },
        { "pkg.msu\\setup", 0 },
        { ".msu", 1 },
        { "", 0 },
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.package, IsMsuFile(c.name)) << "\"" << c.name << "\"";
}

TEST(I2C, HeaderBytesInMemoryOrder)
{
    uint32_t header = I2CHeader(0xA0, 8, 1);
    unsigned char bytes[4];
    memcpy(bytes, &header, 4);
    EXPECT_EQ(0x01, bytes[0]);
    EXPECT_EQ(0x08, bytes[1]);
    EXPECT_EQ(0xA0, bytes[2]);
    EXPECT_EQ(0x01, bytes[3]);
    // Count lowest, then register, then address, then the constant.
    EXPECT_EQ(0x01123456u, I2CHeader(0x12, 0x34, 0x56));
}

TEST(AudioClass, RewritesOnlyTheOtherClassesValue)
{
    static const struct { int vista; unsigned current; int rewrite; unsigned wanted; } cases[] = {
        { 1, 0xD0, 1, 0x50 },
        { 1, 0x50, 0, 0 },
        { 0, 0x50, 1, 0xD0 },
        { 0, 0xD0, 0, 0 },
        { 1, 0x00, 0, 0 }, { 0, 0x00, 0, 0 },
        { 1, 0xFF, 0, 0 }, { 0, 0xFF, 0, 0 },
        { 1, 0x1D0, 0, 0 }, { 0, 0x150, 0, 0 },
    };
    for (const auto &c : cases) {
        unsigned wanted = 0;
        EXPECT_EQ(c.rewrite, AudioClassRewrite(c.vista, c.current, &wanted))
            << "vista " << c.vista << " byte " << c.current;
        EXPECT_EQ(c.wanted, wanted);
    }
}

TEST(SettingKeys, MatchWithoutLetterCaseAndCountEdits)
{
    EXPECT_TRUE(SameIgnoringCase("anotherapnum", "AnotherAPNum"));
    EXPECT_FALSE(SameIgnoringCase("AnotherAPNum0", "AnotherAPNum"));
    EXPECT_FALSE(SameIgnoringCase("AnotherAPNu", "AnotherAPNum"));
    static const struct { const char *a, *b; size_t distance; } cases[] = {
        { "AnotherAPNum", "anotherapnum", 0 },
        { "AnotherAPNun", "AnotherAPNum", 1 },
        { "AnotherAPNm", "AnotherAPNum", 1 },
        { "AnotherAPNumm", "AnotherAPNum", 1 },
        { "WaitTmier", "WaitTimer", 2 },
        { "", "Setup", 5 },
        { "Setup", "", 5 },
        { "kitten", "sitting", 3 },
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.distance, KeyDistance(c.a, c.b)) << c.a << " / " << c.b;
}
