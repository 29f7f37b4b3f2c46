// MediumReport: what Setup.exe would do from a medium on each class of Windows, and what
// is wrong with the medium, as the medium checker finds it.
#ifndef MEDIACHECK_MEDIUM_REPORT_H
#define MEDIACHECK_MEDIUM_REPORT_H

#include "mediacheck/file_kind.h"
#include "medium/entry_split.h"
#include "medium/launcher_paths.h"
#include "medium/launcher_settings.h"
#include "medium/module_folder.h"

enum {
    PROBLEM_LIMIT = 64,
    WINDOWS_PATH_LIMIT = 260,             // MAX_PATH: Windows' ANSI calls refuse longer paths
    PROBLEM_SUBJECT_SIZE = 300,
    PROBLEM_TEXT_SIZE = 700,
    SETTING_KEY_SIZE = 64
};

enum ProblemSeverity { PROBLEM_WARNING, PROBLEM_ERROR };

struct MediumProblem {
    ProblemSeverity severity;
    char subject[PROBLEM_SUBJECT_SIZE];   // the key or file it concerns
    char text[PROBLEM_TEXT_SIZE];
};

// One further program or package that Setup.exe starts, in its place in the list.
struct FurtherPlan {
    int index;
    char key[SETTING_KEY_SIZE];
    char entry[SETTING_TEXT_SIZE];
    char program[ENTRY_PROGRAM_SIZE];     // what the value names on the medium
    char ownParameters[SETTING_TEXT_SIZE];// what the value carries after it
    int isPackage;                        // handed to the shell, not waited for
    int fits;                             // its command line or file fits Setup.exe's buffer
    int found;                            // the file is on the medium
    FileKind kind;
    int starts;                           // CreateProcess starts it, or the shell takes it
    char commandLine[COMMAND_LINE_SIZE];  // a program's command line
    char parameters[COMMAND_LINE_SIZE];   // a package's parameters for the shell
    char file[COMMAND_LINE_SIZE];         // the program or package itself
};

enum SettingFileState { SETTING_FILE_READ, SETTING_FILE_MISSING, SETTING_FILE_TOO_LONG };

struct ClassPlan {
    LauncherClass osClass;
    int isVista;
    int isX64;
    int runsDriverSetup;                  // 0: the folder or program value is empty
    int driverFits;
    int driverFound;
    FileKind driverKind;
    int driverStarts;                     // CreateProcess starts it
    char driverCommandLine[COMMAND_LINE_SIZE];
    char driverProgram[COMMAND_LINE_SIZE];
    int checksByte;                       // the device byte is looked at
    unsigned byteFrom;                    // the value that gets rewritten...
    unsigned byteTo;                      // ...to this one
    int gatedByFinishInstall;             // 1: further programs need FinishInstall = 1; 0: none run
    int furtherCount;
    FurtherPlan further[ANOTHER_AP_LIMIT];
    int waitsForInstaller;                // the launcher stays to click the installer through
    unsigned tickMs;
    int exitCode;                         // when every program starts and completion is reported
    // Where no earlier installation left FinishInstall, only a driver setup that runs can
    // report completion.
    int cleanExitCode;
    int cleanRunsFurther;
};

struct MediumReport {
    char folder[MODULE_PATH_SIZE];
    int folderFits;                       // Setup.exe's own path fits its buffer
    char settingFile[SETTING_FILE_PATH_SIZE];
    SettingFileState settingFileState;
    LauncherSettings settings;            // Setting.ini as Setup.exe reads it
    ClassPlan classes[CLASS_COUNT];       // XP 32-bit, XP 64-bit, Vista 32-bit, Vista 64-bit
    int problemCount;
    MediumProblem problems[PROBLEM_LIMIT];
    int errors;
    int warnings;
};

// shared: the checks add to it, main and the two printers read it.
extern MediumReport mediumReport;

// Adds a problem (counted even when the list is full).
void AddProblem(ProblemSeverity severity, const char *subject, const char *format, ...)
    __attribute__((format(printf, 3, 4)));
// The class's name in reports: "XP 32-bit" and so on.
const char *ClassTitle(const ClassPlan &plan);
// 0 clean, 1 warnings only, 2 errors.
int ReportExitCode(void);

#endif
