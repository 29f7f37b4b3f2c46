// CheckMedium: the medium as Setup.exe sees it from its own folder, class by class.
#include "mediacheck/medium_check.h"

#include <windows.h>

#include "common/bounded_text.h"
#include "mediacheck/class_plan.h"
#include "mediacheck/medium_report.h"
#include "mediacheck/setting_check.h"
#include "mediacheck/setting_scan.h"
#include "steps/launch_outcome.h"

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

// Setting.ini through the launcher's own ReadSettings: its path must fit, a missing file is
// no error.
static void ReadMediumSettings(const char *folder)
{
    MediumReport &r = mediumReport;
    if (!ReadSettings(folder, &r.settings, r.settingFile)) {
        r.settingFileState = SETTING_FILE_TOO_LONG;
        AddProblem(PROBLEM_ERROR, "Setting.ini", "its path is longer than the %d characters Setup.exe "
                   "takes, so Setup.exe reads none of it and says so", SETTING_FILE_PATH_SIZE - 1);
        return;
    }
    if (GetFileAttributesA(r.settingFile) == INVALID_FILE_ATTRIBUTES) {
        r.settingFileState = SETTING_FILE_MISSING;
        AddProblem(PROBLEM_WARNING, "Setting.ini", "not on the medium, so every key takes its default");
        return;
    }
    r.settingFileState = SETTING_FILE_READ;
    CheckSettingEncoding(r.settingFile);
    if (!HasConstSection(r.settingFile)) {
        AddProblem(PROBLEM_ERROR, "Setting.ini", "has no [Const] section, so every key takes its default");
    } else {
        CheckSettingLines(r.settingFile);
        CheckSettingKeys(r.settingFile, r.settings);
    }
    CheckSettingValues(r.settings);
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
        UseDefaultSettings(&r.settings);
        AddProblem(PROBLEM_ERROR, "Setup.exe", "its path is longer than the %d characters Setup.exe "
                   "takes, so it uses nothing of the medium", MODULE_PATH_SIZE - 1);
    } else {
        DWORD attributes = GetFileAttributesA(module);
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
            AddProblem(PROBLEM_ERROR, "Setup.exe", "not in the medium folder");
        ReadMediumSettings(r.folder);
    }
    // The order in which the report lists the classes.
    static const int order[CLASS_COUNT][2] = { { 0, 0 }, { 0, 1 }, { 1, 0 }, { 1, 1 } };
    int watched = 0;
    for (int i = 0; i < CLASS_COUNT; ++i) {
        ClassPlan &plan = r.classes[i];
        PlanClass(r.folderFits ? r.folder : NULL, r.settings, order[i][0], order[i][1], &plan);
        if (!r.folderFits || r.settingFileState == SETTING_FILE_TOO_LONG) {
            plan.exitCode |= LAUNCH_TOO_LONG;
            plan.cleanExitCode |= LAUNCH_TOO_LONG;
        }
        watched |= plan.waitsForInstaller;
    }
    CheckInstallerTiming(r.settings.waitTimer, watched);
    return 1;
}
