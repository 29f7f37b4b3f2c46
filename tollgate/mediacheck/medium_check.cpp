// CheckMedium: the medium as Setup.exe sees it from its own folder, class by class.
#include "medium_check.h"

#include <windows.h>
#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#include "common/bounded_text.h"
#include "class_plan.h"
#include "launch_outcome.h"
#include "launcher_paths.h"
#include "medium_report.h"
#include "setting_check.h"

MediumReport mediumReport;

void AddProblem(ProblemSeverity severity, const char *subject, const char *format, ...)
{
    MediumReport &r = mediumReport;
    if (severity == PROBLEM_ERROR)
        ++r.errors;
    else
        ++r.warnings;
    if (r.problemCount >= PROBLEM_LIMIT)
        return;
    MediumProblem &p = r.problems[r.problemCount++];
    p.severity = severity;
    CopyTextShortened(p.subject, sizeof p.subject, subject);
    va_list arguments;
    va_start(arguments, format);
    int length = vsnprintf(p.text, sizeof p.text, format, arguments);
    va_end(arguments);
    if (length < 0)
        CopyText(p.text, sizeof p.text, "(could not be formatted)");
}

const char *ClassTitle(const ClassPlan &plan)
{
    if (plan.isVista)
        return plan.isX64 ? "Vista 64-bit" : "Vista 32-bit";
    return plan.isX64 ? "XP 64-bit" : "XP 32-bit";
}

// The folder as Setup.exe would have it: absolute, without a trailing backslash.
static int MediumFolder(const char *given, char *folder, size_t size, char *reason, size_t reasonSize)
{
    char full[MAX_PATH * 4];
    DWORD length = GetFullPathNameA(given, sizeof full, full, NULL);
    if (length == 0 || length >= sizeof full) {
        FormatText(reason, reasonSize, "%s: not a usable folder name", given);
        return 0;
    }
    DWORD attributes = GetFileAttributesA(full);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        FormatText(reason, reasonSize, "%s: cannot be read (error %lu)", full, GetLastError());
        return 0;
    }
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        FormatText(reason, reasonSize, "%s: not a folder", full);
        return 0;
    }
    while (length > 0 && (full[length - 1] == '\\' || full[length - 1] == '/'))
        full[--length] = '\0';
    CopyTextShortened(folder, size, full);
    return 1;
}

// Setting.ini as ReadSettings finds it: its path must fit, a missing file is no error.
static void ReadMediumSettings(const char *folder)
{
    MediumReport &r = mediumReport;
    if (!SettingFilePath(folder, r.settingFile, sizeof r.settingFile)) {
        r.settingFileState = SETTING_FILE_TOO_LONG;
        UseDefaultSettings();
        AddProblem(PROBLEM_ERROR, "Setting.ini", "its path is longer than the %d characters Setup.exe "
                   "takes, so Setup.exe reads none of it and says so", SETTING_FILE_PATH_SIZE - 1);
        return;
    }
    if (GetFileAttributesA(r.settingFile) == INVALID_FILE_ATTRIBUTES) {
        r.settingFileState = SETTING_FILE_MISSING;
        UseDefaultSettings();
        AddProblem(PROBLEM_WARNING, "Setting.ini", "not on the medium, so every key takes its default");
        return;
    }
    r.settingFileState = SETTING_FILE_READ;
    ReadSettingsFrom(r.settingFile);
    if (!HasConstSection(r.settingFile))
        AddProblem(PROBLEM_ERROR, "Setting.ini", "has no [Const] section, so every key takes its default");
    else
        CheckSettingKeys(r.settingFile);
    CheckSettingValues();
}

int CheckMedium(const char *given, char *reason, size_t reasonSize)
{
    MediumReport &r = mediumReport;
    ZeroMemory(&r, sizeof r);
    if (!MediumFolder(given, r.folder, sizeof r.folder, reason, reasonSize))
        return 0;

    // Setup.exe's own path must fit its buffer, or it uses nothing of the medium.
    char module[MODULE_PATH_SIZE];
    r.folderFits = FormatText(module, sizeof module, "%s\\Setup.exe", r.folder);
    if (!r.folderFits) {
        UseDefaultSettings();
        AddProblem(PROBLEM_ERROR, "Setup.exe", "its path is longer than the %d characters Setup.exe "
                   "takes, so it uses nothing of the medium", MODULE_PATH_SIZE - 1);
    } else {
        DWORD attributes = GetFileAttributesA(module);
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
            AddProblem(PROBLEM_ERROR, "Setup.exe", "not in the medium folder");
        ReadMediumSettings(r.folder);
    }
    CopyText(r.rePlugin, sizeof r.rePlugin, launcherSettings.rePlugin);
    CopyText(r.parameter, sizeof r.parameter, launcherSettings.launchAnotherAPParam);

    // The order in which the report lists the classes.
    static const int order[CLASS_COUNT][2] = { { 0, 0 }, { 0, 1 }, { 1, 0 }, { 1, 1 } };
    for (int i = 0; i < CLASS_COUNT; ++i) {
        ClassPlan &plan = r.classes[i];
        PlanClass(r.folderFits ? r.folder : NULL, order[i][0], order[i][1], &plan);
        if (!r.folderFits || r.settingFileState == SETTING_FILE_TOO_LONG)
            plan.exitCode |= LAUNCH_TOO_LONG;
    }
    return 1;
}

int ReportExitCode(void)
{
    if (mediumReport.errors)
        return 2;
    return mediumReport.warnings ? 1 : 0;
}
