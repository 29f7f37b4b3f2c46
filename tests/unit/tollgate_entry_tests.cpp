// Host tests of how a program value is split by the medium's files, the command lines
// built from the parts, and the package name and switch rules of the medium checker.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "mediacheck/package_name.h"
#include "medium/entry_split.h"
#include "medium/launcher_paths.h"

// The files of a medium below M:.
static std::set<std::string> mediumFiles;

static int OnMedium(const char *path)
{
    return mediumFiles.count(path) != 0;
}

TEST(SplitEntry, TheLongestPartThatNamesAFileIsTheProgram)
{
    mediumFiles = { "M:\\SetupDrv.exe", "M:\\Redist\\vcredist_x86.exe", "M:\\My Player.exe",
                    "M:\\My Player.exe -x.exe", "M:\\tool.exe", "M:\\tool", "M:\\noext.exe", "M:\\a b.exe",
                    "M:\\fix.msu", "M:\\v1.2\\run.exe" };
    static const struct { const char *value, *program, *parameters; int found; } cases[] = {
        { "SetupDrv.exe", "SetupDrv.exe", "", 1 },
        { "SetupDrv.exe /S", "SetupDrv.exe", "/S", 1 },
        { "Redist\\vcredist_x86.exe /q /norestart", "Redist\\vcredist_x86.exe", "/q /norestart", 1 },
        // A blank inside the name: the whole name beats its first word.
        { "My Player.exe", "My Player.exe", "", 1 },
        { "My Player.exe -x.exe now", "My Player.exe -x.exe", "now", 1 },
        { "My Player.exe   -x", "My Player.exe", "-x", 1 },
        // Windows adds ".exe" to a name without an extension, not to one with.
        { "noext /q", "noext.exe", "/q", 1 },
        { "noext", "noext.exe", "", 1 },
        { "tool /q", "tool", "/q", 1 },
        { "v1.2\\run /q", "v1.2\\run.exe", "/q", 1 },
        { "a b", "a b.exe", "", 1 },
        { "fix.msu /quiet", "fix.msu", "/quiet", 1 },
        // Nothing found: the value stays whole, as before values were split.
        { "gone.exe /S", "gone.exe /S", "", 0 },
        { "SetupDrv.exe.bak", "SetupDrv.exe.bak", "", 0 },
        { "SetupDrv.ex /S", "SetupDrv.ex /S", "", 0 },
        { " SetupDrv.exe", " SetupDrv.exe", "", 0 },
        { "", "", "", 0 },
    };
    for (const auto &c : cases) {
        char program[ENTRY_PROGRAM_SIZE] = "old", parameters[300] = "old";
        EXPECT_EQ(c.found, SplitEntryWith("M:", c.value, OnMedium, program, sizeof program, parameters,
                                          sizeof parameters)) << c.value;
        EXPECT_STREQ(c.program, program) << c.value;
        EXPECT_STREQ(c.parameters, parameters) << c.value;
    }
}

// A value of 255 characters with ".exe" still fits the program; paths are looked at only
// as far as they fit.
TEST(SplitEntry, LongValuesAndFolders)
{
    std::string name(255, 'n');
    mediumFiles = { "M:\\" + name + ".exe" };
    char program[ENTRY_PROGRAM_SIZE], parameters[300];
    EXPECT_EQ(1, SplitEntryWith("M:", name.c_str(), OnMedium, program, sizeof program, parameters, sizeof parameters));
    EXPECT_EQ(name + ".exe", program);
    std::string folder(600, 'f');
    mediumFiles = { folder + "\\a.exe" };
    EXPECT_EQ(0, SplitEntryWith(folder.c_str(), "a.exe", OnMedium, program, sizeof program, parameters,
                                sizeof parameters));
    EXPECT_STREQ("a.exe", program);
}

// "C:\m\a.exe" with its quotes is 12 characters: 12 + " /q" fits 16, + " 0" does not.
TEST(ProgramCommandLine, OwnParametersThenTheMediumsParameter)
{
    static const struct { const char *folder, *own, *parameter; size_t size; const char *line; } cases[] = {
        { "C:\\m", "", "0", 512, "\"C:\\m\\a.exe\" 0" },
        { "C:\\m", "/q x", "0", 512, "\"C:\\m\\a.exe\" /q x 0" },
        { "C:\\m", "", "", 512, "\"C:\\m\\a.exe\" " },
        { "C:\\m", "", NULL, 512, "\"C:\\m\\a.exe\"" },
        { "C:\\m", "/S", NULL, 512, "\"C:\\m\\a.exe\" /S" },
        { "C:\\m", "/q", NULL, 16, "\"C:\\m\\a.exe\" /q" },
        { "C:\\m", "/q", "0", 16, NULL },
        { "C:\\m", "/quiet", NULL, 16, NULL },
        { "C:\\mmmmmmmmm", "", NULL, 16, NULL },
    };
    for (const auto &c : cases) {
        char line[COMMAND_LINE_SIZE];
        EXPECT_EQ(c.line != NULL, ProgramCommandLine(c.folder, "a.exe", c.own, c.parameter, line, c.size) == 1)
            << c.folder << " " << c.own << " " << c.size;
        if (c.line) {
            EXPECT_STREQ(c.line, line);
        }
    }
    char text[COMMAND_LINE_SIZE];
    ASSERT_EQ(1, PackageParameters("", "0", text, sizeof text));
    EXPECT_STREQ("0", text);
    ASSERT_EQ(1, PackageParameters("/quiet", "/norestart", text, sizeof text));
    EXPECT_STREQ("/quiet /norestart", text);
    EXPECT_EQ(0, PackageParameters("/quiet", "/norestart", text, 16));
}

TEST(PackageName, TheWindowsKbProcessorForm)
{
    static const struct { const char *name; int form, major, minor; const char *processor; } cases[] = {
        { "Windows6.0-KB935509-x86.msu", 1, 6, 0, "x86" },
        { "updates\\Windows6.1-KB2-x64.msu", 1, 6, 1, "x64" },
        { "WINDOWS10.0-kb44-IA64.MSU", 1, 10, 0, "IA64" },
        { "Windows5.2-KB1-x64.msu", 1, 5, 2, "x64" },
        { "Windows6.0-KB1.msu", 0, 0, 0, "" },
        { "Windows6-KB1-x86.msu", 0, 0, 0, "" },
        { "Windows6.0-KB-x86.msu", 0, 0, 0, "" },
        { "Windows6.0-KB1-.msu", 0, 0, 0, "" },
        { "Windows6.0-KB1-x86.cab", 0, 0, 0, "" },
        { "Win6.0-KB1-x86.msu", 0, 0, 0, "" },
        { "Windows6.0_KB1-x86.msu", 0, 0, 0, "" },
        { "Windows6.0-KB1-x86-and-far-too-long-a-processor.msu", 0, 0, 0, "" },
    };
    for (const auto &c : cases) {
        int major = -1, minor = -1;
        char processor[16] = "";
        EXPECT_EQ(c.form, ReadPackageName(c.name, &major, &minor, processor, sizeof processor)) << c.name;
        if (c.form) {
            EXPECT_EQ(c.major, major) << c.name;
            EXPECT_EQ(c.minor, minor) << c.name;
            EXPECT_STREQ(c.processor, processor) << c.name;
        }
    }
}

TEST(PackageName, TheInstallerTakesOnlyItsOwnSwitches)
{
    static const struct { const char *parameters, *foreign; } cases[] = {
        { "/quiet", NULL },
        { "/QUIET /NoRestart", NULL },
        { "  /quiet  /warnrestart:30 /log:x.evt ", NULL },
        { "/kb:935509 /uninstall /forcerestart /promptrestart /extract:C:\\x", NULL },
        { "", NULL },
        { "0", "0" },
        { "/quiet 0", "0" },
        { "/q", "/q" },
        { "/quieter /quiet", "/quieter" },
        { "/kb:", "/kb:" },
        { "/quiet /passive", "/passive" },
    };
    for (const auto &c : cases) {
        size_t length = 99;
        const char *foreign = FirstForeignParameter(c.parameters, &length);
        if (!c.foreign) {
            EXPECT_EQ(NULL, foreign) << c.parameters;
        } else {
            ASSERT_NE((const char *)NULL, foreign) << c.parameters;
            EXPECT_EQ(c.foreign, std::string(foreign, length)) << c.parameters;
        }
    }
}
