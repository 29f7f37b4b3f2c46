// The medium checker's problems, one medium made for each, and mediacheck.exe as a
// script or a person runs it.
#include <gtest/gtest.h>

#include <windows.h>
#include <ctype.h>
#include <string>
#include <vector>

#include "mediacheck/medium_check.h"
#include "mediacheck/medium_report.h"
#include "record_file.h"
#include "tollgate_support.h"
#include "win_support.h"

typedef std::vector<std::string> Lines;

// A medium that uses every kind of entry and gives no cause for complaint: the package on
// the Vista class, which has the update installer, with the installer's own switch.
static const char cleanSettings[] = "[Const]\r\nCheckFinishInstall=1\r\nEnableTimer=1\r\nWaitTimer=100\r\n"
                                    "AnotherAPNum=2\r\nAnotherAPXPx86Exe0=tools\\a.exe\r\n"
                                    "AnotherAPVistax86Exe0=fix.msu\r\nLaunchAnotherAPParam=/quiet\r\n";

// The first bytes of a Windows program for the processor the loader reads from them.
static std::string ProgramImage(unsigned machine)
{
    std::string image(0x200, '\0');
    image[0] = 'M';
    image[1] = 'Z';
    image[0x3C] = 0x40;
    image.replace(0x40, 4, std::string("PE\0\0", 4));
    image[0x44] = (char)(machine & 0xFF);
    image[0x45] = (char)(machine >> 8);
    return image;
}

static const std::string program32 = ProgramImage(0x14C), program64 = ProgramImage(0x8664);

static void MakeCleanMedium(const Medium &medium, const std::string &settings = cleanSettings)
{
    for (const char *file : { "Setup.exe", "XP_x86\\SetupDrv.exe", "XP_x64\\SetupDrv.exe",
                              "Vista_x86\\SetupDrv.exe", "Vista_x64\\SetupDrv.exe", "tools\\a.exe" })
        medium.WriteFile(file, program32);
    medium.WriteFile("fix.msu", "");
    if (!settings.empty())
        medium.WriteSettings(settings);
}

// "error <subject>" and "warning <subject>" in the order found.
static Lines Problems(const Medium &medium)
{
    char reason[600];
    if (!CheckMedium(medium.Folder().c_str(), reason, sizeof reason))
        return { std::string("unchecked ") + reason };
    Lines problems;
    for (int i = 0; i < mediumReport.problemCount; ++i)
        problems.push_back(std::string(mediumReport.problems[i].severity == PROBLEM_ERROR ? "error " : "warning ")
                           + mediumReport.problems[i].subject);
    return problems;
}

struct ProblemCase {
    const char *name;
    std::string settings;     // replaces the clean Setting.ini; empty leaves none
    const char *removed;      // a file of the clean medium taken away, or NULL
    Lines problems;
    const char *firstText = NULL;   // the first problem's whole text, where it matters
    std::vector<std::pair<std::string, std::string>> files = {};   // written over the clean medium
};

class MediumProblems : public ::testing::TestWithParam<ProblemCase> {};

TEST_P(MediumProblems, EachMediumShowsItsOwnProblem)
{
    const ProblemCase &c = GetParam();
    Medium medium(std::string("check ") + c.name);
    MakeCleanMedium(medium, c.settings);
    if (c.removed)
        DeleteFileA(medium.Path(c.removed).c_str());
    for (const auto &file : c.files)
        medium.WriteFile(file.first, file.second);
    EXPECT_EQ(c.problems, Problems(medium));
    if (c.firstText && mediumReport.problemCount > 0) {
        EXPECT_STREQ(c.firstText, mediumReport.problems[0].text);
    }
    int errors = 0, warnings = 0;
    for (const std::string &problem : c.problems)
        (problem.compare(0, 6, "error ") == 0 ? errors : warnings)++;
    EXPECT_EQ(errors ? 2 : warnings ? 1 : 0, ReportExitCode());
}

// The text as UTF-16 with its byte-order mark, as Notepad saves "Unicode".
static std::string Utf16(const std::string &text)
{
    std::string wide("\xFF\xFE", 2);
    for (char c : text) {
        wide += c;
        wide += '\0';
    }
    return wide;
}

static std::string With(const std::string &lines)
{
    return std::string(cleanSettings) + lines;
}

INSTANTIATE_TEST_SUITE_P(Media, MediumProblems, ::testing::Values(
    ProblemCase{ "clean", cleanSettings, NULL, {} },
    ProblemCase{ "no const", "[Other]\r\nCheckFinishInstall=1\r\n", NULL, { "error Setting.ini" },
                 "has no [Const] section, so every key takes its default" },
    ProblemCase{ "no setting file", "", NULL, { "warning Setting.ini" },
                 "not on the medium, so every key takes its default" },
    ProblemCase{ "no launcher", cleanSettings, "Setup.exe", { "error Setup.exe" }, "not in the medium folder" },
    ProblemCase{ "driver setup missing", cleanSettings, "Vista_x64\\SetupDrv.exe",
                 { "error SetupVistax64Path, SetupVistax64Exe" },
                 "the driver setup for Vista 64-bit, Vista_x64\\SetupDrv.exe, is not on the medium" },
    ProblemCase{ "moved driver setup", With("SetupXPx64Path=drivers\r\n"), NULL,
                 { "error SetupXPx64Path, SetupXPx64Exe" } },
    ProblemCase{ "program missing", cleanSettings, "tools\\a.exe", { "error AnotherAPXPx86Exe0" },
                 "tools\\a.exe is not on the medium" },
    ProblemCase{ "package missing", cleanSettings, "fix.msu", { "error AnotherAPVistax86Exe0" } },
    // The parameter fits beside a short entry, not beside a long one.
    ProblemCase{ "too long", "[Const]\r\nCheckFinishInstall=1\r\nAnotherAPNum=1\r\nLaunchAnotherAPParam="
                                 + std::string(255, 'p') + "\r\nAnotherAPXPx64Exe0=" + std::string(255, 'n') + "\r\n",
                 NULL, { "error AnotherAPXPx64Exe0" },
                 "the command line for XP 64-bit is longer than the 511 characters Setup.exe takes, so it "
                 "is not started" },
    ProblemCase{ "driver too long", With("SetupXPx86Path=" + std::string(255, 'd') + "\r\nSetupXPx86Exe="
                                         + std::string(255, 'e') + "\r\n"),
                 NULL, { "error SetupXPx86Path, SetupXPx86Exe" },
                 "the driver setup's command line for XP 32-bit is longer than the 511 characters Setup.exe "
                 "takes, so it is not run" },
    // One-letter values are values, not empty ones.
    ProblemCase{ "one letter values", With("SetupXPx86Path=X\r\nAnotherAPXPx64Exe0=x\r\n"
                                           "AnotherAPXPx64Exe1=tools\\a.exe\r\n"),
                 NULL, { "error SetupXPx86Path, SetupXPx86Exe", "error AnotherAPXPx64Exe0" } },
    ProblemCase{ "count above five", "[Const]\r\nAnotherAPNum=6\r\n", NULL, { "warning AnotherAPNum" },
                 "6 is above 5; Setup.exe reads entries 0 to 4 only" },
    ProblemCase{ "count of five", "[Const]\r\nAnotherAPNum=5\r\n", NULL, {} },
    ProblemCase{ "count negative", "[Const]\r\nAnotherAPNum=-1\r\n", NULL, { "warning AnotherAPNum" },
                 "-1 is negative; Setup.exe reads no entry" },
    ProblemCase{ "not a number", "[Const]\r\nEnableTimer=2x\r\nWaitTimer=\r\nEnableAudioClass= +1 \r\n",
                 NULL, { "warning EnableTimer", "warning WaitTimer" } },
    // Letter case makes no other key: the second one is a key given twice.
    ProblemCase{ "misspelt key", With("AnotherAPNun=2\r\nanotherAPnum=2\r\n"), NULL,
                 { "warning anotherAPnum", "warning AnotherAPNun" } },
    // Of two keys as near, the one read first is named.
    ProblemCase{ "two keys as near", With("SetupXPx6Path=x\r\n"), NULL, { "warning SetupXPx6Path" },
                 "Setup.exe reads no such key; did you mean SetupXPx64Path?" },
    // Only further-application entries depend on AnotherAPNum.
    ProblemCase{ "texts without entries", "[Const]\r\nSetupXPx86Path=XP_x86\r\nSetupVistax64Exe=SetupDrv.exe\r\n"
                                          "Setup=Tuner setup\r\nNoSetupPath=No\r\nRePlugin=Again\r\n"
                                          "LaunchAnotherAPParam=/q\r\n",
                 NULL, {} },
    ProblemCase{ "entry beyond the count", With("AnotherAPXPx86Exe2=tools\\a.exe\r\n"), NULL,
                 { "warning AnotherAPXPx86Exe2" },
                 "never read: AnotherAPNum is 2, so Setup.exe reads entries 0 to 1 only; raise it to 3 to run this one" },
    // Beyond the five entries no count helps; with none, no entry is read.
    ProblemCase{ "entry beyond five", With("AnotherAPXPx86Exe7=tools\\a.exe\r\n"), NULL,
                 { "warning AnotherAPXPx86Exe7" }, "never read: Setup.exe reads at most 5 entries per class, 0 to 4" },
    ProblemCase{ "count of zero", "[Const]\r\nCheckFinishInstall=1\r\nAnotherAPNum=0\r\nAnotherAPXPx64Exe0=a.exe\r\n",
                 NULL, { "warning AnotherAPXPx64Exe0" },
                 "never read: AnotherAPNum is 0, so Setup.exe reads no further entries; raise it to 1 to run this one" },
    // What each entry is: a document, a 64-bit program where 32-bit Windows runs, a package
    // on XP, which has no installer for it.
    ProblemCase{ "document", "[Const]\r\nCheckFinishInstall=1\r\nAnotherAPNum=2\r\nAnotherAPXPx86Exe0=tools\\a.exe\r\n"
                             "AnotherAPXPx86Exe1=setup.msi\r\nAnotherAPVistax64Exe0=run.bat\r\n",
                 NULL, { "error AnotherAPXPx86Exe1", "error AnotherAPVistax64Exe0" },
                 "setup.msi is no Windows program, so CreateProcess does not start it; an installer package needs "
                 "msiexec, which Setup.exe does not call: name a program that runs it",
                 { { "setup.msi", "MSI" }, { "run.bat", "@echo off\r\n" } } },
    ProblemCase{ "64-bit program", "[Const]\r\nCheckFinishInstall=1\r\nAnotherAPNum=1\r\nAnotherAPXPx86Exe0=b.exe\r\n"
                                   "AnotherAPXPx64Exe0=b.exe\r\nAnotherAPVistax86Exe0=b.exe\r\nAnotherAPVistax64Exe0=b.exe\r\n",
                 NULL, { "error AnotherAPXPx86Exe0", "error AnotherAPVistax86Exe0" },
                 "b.exe is a 64-bit program, which XP 32-bit Windows cannot start; a 32-bit program starts on every class",
                 { { "b.exe", program64 } } },
    ProblemCase{ "other processor", "[Const]\r\nCheckFinishInstall=1\r\nAnotherAPNum=1\r\nAnotherAPVistax64Exe0=b.exe\r\n",
                 NULL, { "error AnotherAPVistax64Exe0" }, NULL, { { "b.exe", ProgramImage(0x200) } } },
    // A driver setup is judged as its further programs are.
    ProblemCase{ "64-bit driver setups", cleanSettings, NULL,
                 { "error SetupXPx86Path, SetupXPx86Exe", "warning SetupXPx64Path, SetupXPx64Exe" },
                 "SetupDrv.exe is a 64-bit program, which XP 32-bit Windows cannot start; a 32-bit program starts "
                 "on every class",
                 { { "XP_x86\\SetupDrv.exe", program64 }, { "XP_x64\\SetupDrv.exe", program64 } } },
    ProblemCase{ "package on XP", With("AnotherAPXPx64Exe0=fix.msu\r\n"), NULL, { "error AnotherAPXPx64Exe0" },
                 "fix.msu: Windows XP has no Windows Update Standalone Installer, so the shell has nothing to open a "
                 "\".msu\" package with and refuses it" },
    ProblemCase{ "package for another Windows", "[Const]\r\nCheckFinishInstall=1\r\nAnotherAPNum=2\r\n"
                     "LaunchAnotherAPParam=/quiet /norestart\r\nAnotherAPVistax86Exe0=Windows6.1-KB2-x64.msu\r\n"
                     "AnotherAPVistax64Exe0=Windows5.2-KB3-x64.msu\r\nAnotherAPVistax64Exe1=Windows10.0-KB4-X64.msu\r\n",
                 NULL, { "warning AnotherAPVistax86Exe0", "warning AnotherAPVistax64Exe0" },
                 "Windows6.1-KB2-x64.msu is made for x64 processors, not for Vista 32-bit (x86)",
                 { { "Windows6.1-KB2-x64.msu", "" }, { "Windows5.2-KB3-x64.msu", "" }, { "Windows10.0-KB4-X64.msu", "" } } },
    ProblemCase{ "package parameter", "[Const]\r\nCheckFinishInstall=1\r\nAnotherAPNum=1\r\nAnotherAPVistax86Exe0=fix.msu\r\n",
                 NULL, { "warning AnotherAPVistax86Exe0" },
                 "the installer gets the parameter \"0\", which is none of its switches (/quiet, /norestart...): it "
                 "may answer with a notice that has only OK, which Setup.exe clicks as the final one and ends with 0, "
                 "nothing installed" },
    ProblemCase{ "own package parameter", "[Const]\r\nCheckFinishInstall=1\r\nAnotherAPNum=1\r\n"
                     "AnotherAPVistax86Exe0=fix.msu /quiet /q\r\nLaunchAnotherAPParam=/norestart\r\n",
                 NULL, { "warning AnotherAPVistax86Exe0" } },
    // Timing of the installer automation, and entries after a package.
    ProblemCase{ "installer timing", "[Const]\r\nCheckFinishInstall=1\r\nEnableTimer=1\r\nAnotherAPNum=3\r\n"
                     "LaunchAnotherAPParam=/quiet\r\nAnotherAPVistax86Exe0=fix.msu\r\nAnotherAPVistax86Exe1=fix.msu\r\n"
                     "AnotherAPVistax86Exe2=tools\\a.exe\r\nAnotherAPVistax64Exe0=fix.msu\r\n",
                 NULL, { "warning AnotherAPVistax86Exe1", "warning AnotherAPVistax86Exe2", "warning WaitTimer" } },
    ProblemCase{ "installer every tick", "[Const]\r\nCheckFinishInstall=1\r\nEnableTimer=1\r\nAnotherAPNum=1\r\n"
                     "LaunchAnotherAPParam=/quiet\r\nAnotherAPVistax64Exe0=fix.msu\r\n",
                 NULL, { "warning WaitTimer" },
                 "0: the installer is looked at as often as the system's timer allows, about every 10 ms" },
    ProblemCase{ "installer unwatched", "[Const]\r\nCheckFinishInstall=1\r\nWaitTimer=0\r\nAnotherAPNum=2\r\n"
                     "LaunchAnotherAPParam=/quiet\r\nAnotherAPVistax86Exe0=fix.msu\r\nAnotherAPVistax86Exe1=fix.msu\r\n",
                 NULL, {} },
    ProblemCase{ "slow installer ticks", "[Const]\r\nCheckFinishInstall=1\r\nEnableTimer=1\r\nWaitTimer=60001\r\n"
                     "AnotherAPNum=1\r\nLaunchAnotherAPParam=/quiet\r\nAnotherAPVistax64Exe0=fix.msu\r\n",
                 NULL, { "warning WaitTimer" },
                 "60001 ms: each question of the installer waits visible that long before Setup.exe clicks it" },
    ProblemCase{ "a minute of ticks", "[Const]\r\nCheckFinishInstall=1\r\nEnableTimer=1\r\nWaitTimer=60000\r\n"
                     "AnotherAPNum=1\r\nLaunchAnotherAPParam=/quiet\r\nAnotherAPVistax64Exe0=fix.msu\r\n",
                 NULL, {} },
    // Completion on a clean machine: without a driver setup nothing writes FinishInstall.
    ProblemCase{ "no driver setup but a check", With("SetupXPx86Exe=\r\n"), NULL, { "warning CheckFinishInstall" },
                 "XP 32-bit runs no driver setup, so its further programs run only where an earlier installation "
                 "left FinishInstall = 1 (exit 9 on a clean machine)" },
    // Lengths: a path Windows refuses though Setup.exe's buffer takes it; a value cut.
    ProblemCase{ "path too long for Windows", With("AnotherAPXPx64Exe0=" + std::string(200, 'n') + ".exe\r\n"), NULL,
                 { "error AnotherAPXPx64Exe0" } },
    ProblemCase{ "value cut", With("Setup=" + std::string(300, 'c') + "\r\n"), NULL, { "warning Setup" },
                 "300 characters long; Setup.exe reads only the first 255 of them" },
    // Reading traps: marks of the encoding, names beyond ASCII, sections and keys twice.
    ProblemCase{ "utf-16", Utf16(cleanSettings), NULL, { "warning Setting.ini" },
                 "is UTF-16 text: Windows reads it, but hands Setup.exe every name in the target machine's ANSI code "
                 "page, where letters beyond it are lost" },
    // Values with their own parameters name their programs; nothing to complain of.
    ProblemCase{ "own parameters", With("SetupXPx86Exe=SetupDrv /S\r\nAnotherAPXPx64Exe0=tools\\a /x y\r\n"), NULL, {} },
    ProblemCase{ "utf-8 mark", "\xEF\xBB\xBF; made by an editor\r\n" + std::string(cleanSettings), NULL,
                 { "warning Setting.ini" } },
    ProblemCase{ "letters beyond ASCII", With("AnotherAPXPx64Exe0=tools\\\xe9t\xe9.exe\r\n"), NULL,
                 { "warning AnotherAPXPx64Exe0" }, NULL, { { "tools\\\xe9t\xe9.exe", program32 } } },
    ProblemCase{ "keys in other sections", With("[Other]\r\nWaitTimer=5\r\nColour=red\r\n"), NULL,
                 { "warning WaitTimer" }, "written in [Other]; Setup.exe reads [Const] only" },
    // The keys of the second one are not read at all, so none is named unknown.
    ProblemCase{ "second const", With("[const]\r\nFoo=1\r\n"), NULL, { "warning Setting.ini" },
                 "a second [Const] section: Windows reads the keys of the first one only" },
    ProblemCase{ "key twice", With("WaitTimer=300\r\n"), NULL, { "warning WaitTimer" },
                 "given twice in [Const]; Setup.exe reads the first one" },
    ProblemCase{ "package in capitals", "[Const]\r\nCheckFinishInstall=1\r\nAnotherAPNum=1\r\n"
                                        "AnotherAPVistax86Exe0=fix.MSU\r\n",
                 NULL, { "error AnotherAPVistax86Exe0" },
                 "fix.MSU is no Windows program, so CreateProcess does not start it; only \".msu\" in small "
                 "letters goes to the shell, which starts the update installer" },
    ProblemCase{ "gap", "[Const]\r\nCheckFinishInstall=1\r\nAnotherAPNum=3\r\nAnotherAPXPx64Exe0=\r\n"
                        "AnotherAPXPx64Exe2=tools\\a.exe\r\n",
                 NULL, { "warning AnotherAPXPx64Exe0", "warning AnotherAPXPx64Exe1" } },
    ProblemCase{ "negative wait", "[Const]\r\nWaitTimer=-5\r\n", NULL, { "warning WaitTimer" },
                 "-5 is negative; Setup.exe ticks as soon as the system allows (0 ms)" },
    ProblemCase{ "entries never run", "[Const]\r\nAnotherAPNum=1\r\nAnotherAPXPx86Exe0=tools\\a.exe\r\n",
                 NULL, { "warning CheckFinishInstall" },
                 "0, so Setup.exe runs none of the further programs named; 1 runs them once the driver "
                 "setup reports FinishInstall = 1" }),
    [](const ::testing::TestParamInfo<ProblemCase> &info) {
        std::string name = info.param.name;
        for (char &c : name)
            if (!isalnum((unsigned char)c))
                c = '_';
        return name;
    });

// A folder whose Setting.ini path is too long for Setup.exe, though Setup.exe's own is not.
TEST(MediumProblemTexts, ALongFolderLeavesSettingIniUnread)
{
    Medium medium("check " + std::string(222, 'f'));
    medium.WriteFile("Setup.exe", "");
    medium.WriteSettings(cleanSettings);
    ASSERT_EQ((Lines{ "error Setting.ini", "error SetupXPx86Path, SetupXPx86Exe", "error SetupXPx64Path, SetupXPx64Exe",
                      "error SetupVistax86Path, SetupVistax86Exe", "error SetupVistax64Path, SetupVistax64Exe" }),
              Problems(medium));
    EXPECT_STREQ("its path is longer than the 255 characters Setup.exe takes, so Setup.exe reads none of it "
                 "and says so", mediumReport.problems[0].text);
    EXPECT_EQ(SETTING_FILE_TOO_LONG, mediumReport.settingFileState);
    // The defaults: no further program, and the exit code tells of the unread file.
    EXPECT_EQ(0, mediumReport.classes[0].furtherCount);
    EXPECT_EQ(4 | 2, mediumReport.classes[0].exitCode);
}

TEST(MediumProblemTexts, NameTheNearestKeyAndWhatSetupReads)
{
    Medium medium("check texts");
    MakeCleanMedium(medium, "[Const]\r\nAnotherAPNun=2\r\nEnableTimer=2x\r\n");
    ASSERT_EQ((Lines{ "warning AnotherAPNun", "warning EnableTimer" }), Problems(medium));
    EXPECT_NE(std::string::npos, std::string(mediumReport.problems[0].text).find("did you mean AnotherAPNum?"))
        << mediumReport.problems[0].text;
    EXPECT_STREQ("\"2x\" is not a number; Setup.exe reads it as 2", mediumReport.problems[1].text);
}

// What mediacheck.exe wrote to its standard output and its standard error, and its exit code.
struct CheckRun {
    DWORD exitCode;
    std::string out, err;
};

static HANDLE InheritedFile(const std::string &path)
{
    SECURITY_ATTRIBUTES inherit = { sizeof inherit, NULL, TRUE };
    return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, NULL);
}

static CheckRun RunMediaCheck(const std::string &program, const std::string &arguments)
{
    CheckRun run = { (DWORD)-1, "", "" };
    char temp[MAX_PATH];
    if (!GetTempPathA(sizeof temp, temp))
        return run;
    std::string outPath = std::string(temp) + "mediacheck-out.txt", errPath = std::string(temp) + "mediacheck-err.txt";
    HANDLE out = InheritedFile(outPath), err = InheritedFile(errPath);
    if (out == INVALID_HANDLE_VALUE || err == INVALID_HANDLE_VALUE)
        return run;
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out;
    startup.hStdError = err;
    std::string commandLine = "\"" + program + "\" " + arguments;
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    PROCESS_INFORMATION process;
    BOOL started = CreateProcessA(program.c_str(), writable.data(), NULL, NULL, TRUE, 0,
                                  NULL, NULL, &startup, &process);
    CloseHandle(out);
    CloseHandle(err);
    if (!started)
        return run;
    CloseHandle(process.hThread);
    if (WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &run.exitCode);
    else
        TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hProcess);
    run.out = ReadWholeFile(outPath.c_str());
    run.err = ReadWholeFile(errPath.c_str());
    return run;
}

static bool Has(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

TEST(MediaCheckProgram, ExitCodeSaysCleanWarningsOrErrors)
{
    std::string program = ModuleFolder() + "mediacheck.exe";
    Medium clean("check clean"), warned("check warned"), broken("check broken");
    MakeCleanMedium(clean);
    MakeCleanMedium(warned, "");
    MakeCleanMedium(broken);
    DeleteFileA(broken.Path("XP_x64\\SetupDrv.exe").c_str());

    CheckRun run = RunMediaCheck(program, "\"" + clean.Folder() + "\"");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_TRUE(Has(run.out, "Medium " + clean.Folder() + "\r\n")) << run.out;
    EXPECT_TRUE(Has(run.out, "\"" + clean.Path("tools\\a.exe") + "\" /quiet, waited for")) << run.out;
    EXPECT_TRUE(Has(run.out, "clicks it through, every 100 ms")) << run.out;
    EXPECT_TRUE(Has(run.out, "0 errors, 0 warnings")) << run.out;

    run = RunMediaCheck(program, "\"" + warned.Folder() + "\"");
    EXPECT_EQ(1u, run.exitCode);
    EXPECT_TRUE(Has(run.out, "\r\nSetting.ini not on the medium: every key at its default\r\n")) << run.out;

    // A trailing backslash is the same folder.
    run = RunMediaCheck(program, "--json \"" + broken.Folder() + "\\\\\"");
    EXPECT_EQ(2u, run.exitCode);
    std::string folder;
    for (char c : broken.Folder())
        folder += c == '\\' ? std::string("\\\\") : std::string(1, c);
    EXPECT_EQ(0u, run.out.find("{")) << run.out;
    EXPECT_TRUE(Has(run.out, "\"medium\": \"" + folder + "\"")) << run.out;
    EXPECT_TRUE(Has(run.out, "{\"severity\": \"error\", \"subject\": \"SetupXPx64Path, SetupXPx64Exe\"")) << run.out;
    EXPECT_TRUE(Has(run.out, "\"errors\": 1, \"warnings\": 0")) << run.out;
}

// A medium with something of every kind, and its whole report as a person and a script
// read it.
static const char reportSettings[] = "[Const]\r\nSetupXPx64Path=\r\nSetupVistax86Exe=Gone.exe\r\n"
                                     "EnableAudioClass=1\r\nCheckFinishInstall=1\r\nEnableTimer=1\r\n"
                                     "WaitTimer=250\r\nWaitTimmer=1\r\nAnotherAPNum=3\r\n"
                                     "AnotherAPXPx86Exe0=tools\\a.exe\r\nAnotherAPXPx86Exe2=fix.msu\r\n"
                                     "AnotherAPXPx86Exe3=tools\\a.exe\r\nAnotherAPVistax64Exe0=gone.msu\r\n"
                                     "AnotherAPVistax64Exe1=gone.exe\r\n"
                                     "LaunchAnotherAPParam=/q\r\n";

static const char expectedText[] =
    "Medium C:\\tollgate-media\\check report\r\n"
    "Setting.ini read\r\n"
    "\r\n"
    "XP 32-bit\r\n"
    "  driver setup     \"C:\\tollgate-media\\check report\\XP_x86\\SetupDrv.exe\" (32-bit program)\r\n"
    "  working folder   Setup.exe's own (inherited)\r\n"
    "  device byte      0x50 is set to 0xD0, then \"Please Re-Plugin the USB device on your computer.\"\r\n"
    "  further programs only once the driver setup reports FinishInstall = 1\r\n"
    "  further 0        program \"C:\\tollgate-media\\check report\\tools\\a.exe\" /q, waited for (AnotherAPXPx86Exe0, "
    "32-bit program)\r\n"
    "  further 2        package, shell \"open\" C:\\tollgate-media\\check report\\fix.msu with parameters \"/q\", "
    "not waited for (AnotherAPXPx86Exe2)\r\n"
    "                   (not started: the shell has nothing to open it with)\r\n"
    "  then             Setup.exe ends at once\r\n"
    "  exit code        2 (when every program starts and completion is reported); 2 on a clean machine, where no "
    "earlier installation left FinishInstall\r\n"
    "\r\n"
    "XP 64-bit\r\n"
    "  driver setup     none: Setup.exe shows its NoSetupPath text\r\n"
    "  device byte      0x50 is set to 0xD0, then \"Please Re-Plugin the USB device on your computer.\"\r\n"
    "  further programs only once the driver setup reports FinishInstall = 1; none named\r\n"
    "  then             Setup.exe ends at once\r\n"
    "  exit code        1 (when every program starts and completion is reported); 9 on a clean machine, where no "
    "earlier installation left FinishInstall\r\n"
    "\r\n"
    "Vista 32-bit\r\n"
    "  driver setup     \"C:\\tollgate-media\\check report\\Vista_x86\\Gone.exe\" (not started: not on the medium)\r\n"
    "  working folder   Setup.exe's own (inherited)\r\n"
    "  device byte      0xD0 is set to 0x50, then \"Please Re-Plugin the USB device on your computer.\"\r\n"
    "  further programs only once the driver setup reports FinishInstall = 1; none named\r\n"
    "  then             Setup.exe ends at once\r\n"
    "  exit code        2 (when every program starts and completion is reported); 10 on a clean machine, where no "
    "earlier installation left FinishInstall\r\n"
    "\r\n"
    "Vista 64-bit\r\n"
    "  driver setup     \"C:\\tollgate-media\\check report\\Vista_x64\\SetupDrv.exe\" (64-bit program)\r\n"
    "  working folder   Setup.exe's own (inherited)\r\n"
    "  device byte      0xD0 is set to 0x50, then \"Please Re-Plugin the USB device on your computer.\"\r\n"
    "  further programs only once the driver setup reports FinishInstall = 1\r\n"
    "  further 0        package, shell \"open\" C:\\tollgate-media\\check report\\gone.msu with parameters \"/q\", "
    "not waited for (AnotherAPVistax64Exe0)\r\n"
    "                   (not started: not on the medium)\r\n"
    "  further 1        program \"C:\\tollgate-media\\check report\\gone.exe\" /q, waited for (AnotherAPVistax64Exe1)\r\n"
    "                   (not started: not on the medium)\r\n"
    "  then             Setup.exe ends at once\r\n"
    "  exit code        2 (when every program starts and completion is reported); 2 on a clean machine, where no "
    "earlier installation left FinishInstall\r\n"
    "\r\n"
    "warning  WaitTimmer: Setup.exe reads no such key; did you mean WaitTimer?\r\n"
    "warning  AnotherAPXPx86Exe3: never read: AnotherAPNum is 3, so Setup.exe reads entries 0 to 2 only; raise it "
    "to 4 to run this one\r\n"
    "warning  AnotherAPXPx86Exe1: empty, while a later entry of the list is named; Setup.exe skips it\r\n"
    "error    AnotherAPXPx86Exe2: fix.msu: Windows XP has no Windows Update Standalone Installer, so the shell has "
    "nothing to open a \".msu\" package with and refuses it\r\n"
    "error    SetupVistax86Path, SetupVistax86Exe: the driver setup for Vista 32-bit, Vista_x86\\Gone.exe, "
    "is not on the medium\r\n"
    "warning  SetupVistax64Path, SetupVistax64Exe: SetupDrv.exe is a 64-bit program: with CheckFinishInstall on, it "
    "must write FinishInstall into the 32-bit registry view (Wow6432Node), the one Setup.exe reads\r\n"
    "error    AnotherAPVistax64Exe0: gone.msu is not on the medium\r\n"
    "error    AnotherAPVistax64Exe1: gone.exe is not on the medium\r\n"
    "4 errors, 4 warnings\r\n";

// A medium where one driver setup's command line does not fit, the device byte is left alone
// on Vista and the further program named never runs.
TEST(MediaCheckProgram, TheReportOfWhatIsNotDone)
{
    Medium medium("check not done");
    MakeCleanMedium(medium, "[Const]\r\nSetupXPx86Path=" + std::string(255, 'd') + "\r\nSetupXPx86Exe="
                                + std::string(255, 'e') + "\r\nAnotherAPNum=1\r\nAnotherAPXPx86Exe0=tools\\a.exe\r\n");
    const std::string f = medium.Folder();
    const std::string plug = "then \"Please Re-Plugin the USB device on your computer.\"\r\n";
    CheckRun run = RunMediaCheck(ModuleFolder() + "mediacheck.exe", "\"" + f + "\"");
    EXPECT_EQ(2u, run.exitCode);
    EXPECT_EQ("Medium " + f + "\r\nSetting.ini read\r\n"
              "\r\nXP 32-bit\r\n"
              "  driver setup     too long: not run\r\n"
              "  device byte      0x50 is set to 0xD0, " + plug +
              "  further programs none run (CheckFinishInstall is 0)\r\n"
              "  then             Setup.exe ends at once\r\n"
              "  exit code        4 (when every program starts and completion is reported); 4 on a clean machine, where no "
              "earlier installation left FinishInstall\r\n"
              "\r\nXP 64-bit\r\n"
              "  driver setup     \"" + f + "\\XP_x64\\SetupDrv.exe\" (32-bit program)\r\n"
              "  working folder   Setup.exe's own (inherited)\r\n"
              "  device byte      0x50 is set to 0xD0, " + plug +
              "  further programs none run (CheckFinishInstall is 0)\r\n"
              "  then             Setup.exe ends at once\r\n"
              "  exit code        0 (when every program starts and completion is reported); 0 on a clean machine, where no "
              "earlier installation left FinishInstall\r\n"
              "\r\nVista 32-bit\r\n"
              "  driver setup     \"" + f + "\\Vista_x86\\SetupDrv.exe\" (32-bit program)\r\n"
              "  working folder   Setup.exe's own (inherited)\r\n"
              "  device byte      not touched (EnableAudioClass is 0)\r\n"
              "  further programs none run (CheckFinishInstall is 0)\r\n"
              "  then             Setup.exe ends at once\r\n"
              "  exit code        0 (when every program starts and completion is reported); 0 on a clean machine, where no "
              "earlier installation left FinishInstall\r\n"
              "\r\nVista 64-bit\r\n"
              "  driver setup     \"" + f + "\\Vista_x64\\SetupDrv.exe\" (32-bit program)\r\n"
              "  working folder   Setup.exe's own (inherited)\r\n"
              "  device byte      not touched (EnableAudioClass is 0)\r\n"
              "  further programs none run (CheckFinishInstall is 0)\r\n"
              "  then             Setup.exe ends at once\r\n"
              "  exit code        0 (when every program starts and completion is reported); 0 on a clean machine, where no "
              "earlier installation left FinishInstall\r\n"
              "\r\n"
              "warning  CheckFinishInstall: 0, so Setup.exe runs none of the further programs named; 1 runs them "
              "once the driver setup reports FinishInstall = 1\r\n"
              "error    SetupXPx86Path, SetupXPx86Exe: the driver setup's command line for XP 32-bit is longer "
              "than the 511 characters Setup.exe takes, so it is not run\r\n"
              "1 error, 1 warning\r\n",
              run.out);
}

TEST(MediaCheckProgram, TheWholeReportAsTextAndJson)
{
    std::string program = ModuleFolder() + "mediacheck.exe";
    Medium medium("check report");
    MakeCleanMedium(medium, reportSettings);
    medium.WriteFile("Vista_x64\\SetupDrv.exe", program64);
    CheckRun run = RunMediaCheck(program, "\"" + medium.Folder() + "\"");
    EXPECT_EQ(2u, run.exitCode);
    EXPECT_EQ(expectedText, run.out);

    run = RunMediaCheck(program, "--json \"" + medium.Folder() + "\"");
    EXPECT_EQ(2u, run.exitCode);
    const std::string m = "C:\\\\tollgate-media\\\\check report";
    for (const std::string &line : {
             "{\r\n  \"medium\": \"" + m + "\", \"settingFile\": \"read\", \"parameters\": \"/q\",\r\n"
             "  \"classes\": [\r\n",
             "    {\"class\": \"xp32\", \"title\": \"XP 32-bit\", \"driverSetup\": {\"fits\": true, \"found\": true, "
             "\"fileKind\": \"32-bit program\", \"starts\": true, "
             "\"commandLine\": \"\\\"" + m + "\\\\XP_x86\\\\SetupDrv.exe\\\"\", \"program\": \"" + m
                 + "\\\\XP_x86\\\\SetupDrv.exe\", \"workingFolder\": \"inherited\"}, \"deviceByte\": {\"checked\": "
                   "true, \"from\": 80, \"to\": 208}, \"gatedByFinishInstall\": true, \"further\": [{\"index\": 0, "
                   "\"key\": \"AnotherAPXPx86Exe0\", \"entry\": \"tools\\\\a.exe\", \"program\": \"tools\\\\a.exe\", "
                   "\"ownParameters\": \"\", \"kind\": \"program\", \"fits\": true, \"found\": true, \"fileKind\": "
                   "\"32-bit program\", \"starts\": true, \"commandLine\": \"\\\"" + m + "\\\\tools\\\\a.exe\\\" /q\", "
                   "\"file\": \"" + m + "\\\\tools\\\\a.exe\"}, {\"index\": 2, \"key\": \"AnotherAPXPx86Exe2\", "
                   "\"entry\": \"fix.msu\", \"program\": \"fix.msu\", \"ownParameters\": \"\", \"kind\": \"package\", "
                   "\"fits\": true, \"found\": true, \"fileKind\": \"document\", \"starts\": false, \"parameters\": "
                   "\"/q\", \"file\": \"" + m + "\\\\fix.msu\"}], \"waitsForInstaller\": false, \"tickMs\": 250, "
                   "\"exitCode\": 2, \"cleanExitCode\": 2},\r\n",
             std::string("    {\"class\": \"xp64\", \"title\": \"XP 64-bit\", \"driverSetup\": null, "),
             std::string("    {\"class\": \"vista32\", \"title\": \"Vista 32-bit\", \"driverSetup\": {\"fits\": true, \"found\": false, "),
             "\"deviceByte\": {\"checked\": true, \"from\": 208, \"to\": 80}, \"gatedByFinishInstall\": true, "
             "\"further\": [{\"index\": 0, \"key\": \"AnotherAPVistax64Exe0\", \"entry\": \"gone.msu\", \"program\": "
             "\"gone.msu\", \"ownParameters\": \"\", \"kind\": \"package\", \"fits\": true, \"found\": false, "
             "\"fileKind\": \"missing\", \"starts\": false, \"parameters\": \"/q\", \"file\": \"" + m + "\\\\gone.msu\"}, "
             "{\"index\": 1, \"key\": \"AnotherAPVistax64Exe1\", \"entry\": \"gone.exe\", \"program\": \"gone.exe\", "
             "\"ownParameters\": \"\", \"kind\": \"program\", \"fits\": true, \"found\": false, \"fileKind\": "
             "\"missing\", \"starts\": false, \"commandLine\": \"\\\"" + m + "\\\\gone.exe\\\" /q\", \"file\": \"" + m
                 + "\\\\gone.exe\"}], \"waitsForInstaller\": false, \"tickMs\": 250, \"exitCode\": 2, "
                   "\"cleanExitCode\": 2}\r\n  ],\r\n",
             std::string("    {\"severity\": \"warning\", \"subject\": \"WaitTimmer\", \"text\": \"Setup.exe reads no such "
                         "key; did you mean WaitTimer?\"},\r\n"),
             std::string("    {\"severity\": \"error\", \"subject\": \"AnotherAPVistax64Exe0\", \"text\": \"gone.msu is "
                         "not on the medium\"},\r\n"),
             std::string("    {\"severity\": \"error\", \"subject\": \"AnotherAPVistax64Exe1\", \"text\": \"gone.exe is "
                         "not on the medium\"}\r\n  ],\r\n  \"errors\": 4, \"warnings\": 4\r\n}\r\n") })
        EXPECT_TRUE(Has(run.out, line)) << line << "\nin\n" << run.out;
}

// Quotes, backslashes and control characters of a value are escaped in JSON.
TEST(MediaCheckProgram, JsonEscapesWhatAStringCannotHold)
{
    Medium medium("check escapes");
    MakeCleanMedium(medium, "[Const]\r\nLaunchAnotherAPParam=a\"b\\c\td\r\n");
    CheckRun run = RunMediaCheck(ModuleFolder() + "mediacheck.exe", "--json \"" + medium.Folder() + "\"");
    EXPECT_EQ(0u, run.exitCode) << run.out;
    EXPECT_TRUE(Has(run.out, "\"parameters\": \"a\\\"b\\\\c\\u0009d\",")) << run.out;
}

// The text report keeps the ANSI code page's bytes; JSON is UTF-8.
TEST(MediaCheckProgram, WithoutAFolderItChecksItsOwn)
{
    Medium medium("check itself M\xe9" "dium");
    MakeCleanMedium(medium);
    ASSERT_TRUE(CopyProgram("mediacheck.exe", medium.Path("mediacheck.exe")));
    CheckRun run = RunMediaCheck(medium.Path("mediacheck.exe"), "");
    EXPECT_EQ(0u, run.exitCode) << run.out;
    EXPECT_TRUE(Has(run.out, "Medium " + medium.Folder() + "\r\n")) << run.out;
    run = RunMediaCheck(medium.Path("mediacheck.exe"), "--json");
    EXPECT_TRUE(Has(run.out, "\"medium\": \"C:\\\\tollgate-media\\\\check itself M\xc3\xa9" "dium\"")) << run.out;
}

// A dash alone is no option: it names a folder "-" below the current one.
TEST(MediaCheckProgram, ALoneDashIsAFolder)
{
    Medium medium("check dash\\-");
    MakeCleanMedium(medium);
    char current[MAX_PATH];
    ASSERT_NE(0u, GetCurrentDirectoryA(sizeof current, current));
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\tollgate-media\\check dash"));
    CheckRun run = RunMediaCheck(ModuleFolder() + "mediacheck.exe", "-");
    SetCurrentDirectoryA(current);
    EXPECT_EQ(0u, run.exitCode) << run.err;
    EXPECT_EQ(0u, run.out.find("Medium " + medium.Folder() + "\r\n")) << run.out;
}

TEST(MediaCheckProgram, BadArgumentsAndFoldersEndWithTwoAndNoReport)
{
    std::string program = ModuleFolder() + "mediacheck.exe";
    Medium medium("check arguments");
    MakeCleanMedium(medium);
    // The first line of standard error says why.
    const struct { std::string arguments, why; } cases[] = {
        { "--bogus", "mediacheck: unknown option" },
        { "-x", "mediacheck: unknown option" },
        { "\"" + medium.Folder() + "\" second", "mediacheck: only one medium folder at a time" },
        { "\"" + medium.Path("Nowhere") + "\"", "mediacheck: " + medium.Path("Nowhere") + ": cannot be read (error 2)" },
        { "\"" + medium.Path("Setup.exe") + "\"", "mediacheck: " + medium.Path("Setup.exe") + ": not a folder" },
    };
    for (const auto &c : cases) {
        CheckRun run = RunMediaCheck(program, c.arguments);
        EXPECT_EQ(2u, run.exitCode) << c.arguments;
        EXPECT_EQ("", run.out) << c.arguments;
        EXPECT_EQ(c.why, run.err.substr(0, run.err.find("\r\n"))) << c.arguments;
    }
}
