// The report for people: the medium, each class in turn, then the problems.
#include "mediacheck/report_text.h"

#include <string.h>

#include "mediacheck/medium_report.h"

static const char *SettingFileLine(void)
{
    switch (mediumReport.settingFileState) {
    case SETTING_FILE_READ:
        return "read";
    case SETTING_FILE_MISSING:
        return "not on the medium: every key at its default";
    case SETTING_FILE_TOO_LONG:
        break;
    }
    return "not read: its path is too long";
}

// Why a file that fits is not started.
static const char *NotStarted(const char *path, int found, FileKind kind, int isPackage)
{
    if (!found)
        return strlen(path) < WINDOWS_PATH_LIMIT ? "not on the medium" : "path too long for Windows";
    if (isPackage)
        return "the shell has nothing to open it with";
    return kind == FILE_DOCUMENT ? "CreateProcess does not start a document" : "this Windows cannot start it";
}

static void PrintFurther(FILE *out, const FurtherPlan &f)
{
    char label[32];
    snprintf(label, sizeof label, "further %d", f.index);
    fprintf(out, "  %-17s", label);
    if (!f.fits)
        fprintf(out, "%s: too long, not started", f.entry);
    else if (f.isPackage)
        fprintf(out, "package, shell \"open\" %s with parameters \"%s\", not waited for", f.file,
                f.parameters);
    else
        fprintf(out, "program %s, waited for", f.commandLine);
    int kindShown = f.found && !f.isPackage;
    fprintf(out, " (%s%s%s)\n", f.key, kindShown ? ", " : "", kindShown ? FileKindName(f.kind) : "");
    if (f.fits && !f.starts)
        fprintf(out, "  %-17s(not started: %s)\n", "", NotStarted(f.file, f.found, f.kind, f.isPackage));
}

static void PrintClass(FILE *out, const ClassPlan &plan)
{
    fprintf(out, "\n%s\n", ClassTitle(plan));
    if (!mediumReport.folderFits)
        fprintf(out, "  %-17snone: Setup.exe cannot use this medium\n", "driver setup");
    else if (!plan.runsDriverSetup)
        fprintf(out, "  %-17snone: Setup.exe shows its NoSetupPath text\n", "driver setup");
    else if (!plan.driverFits)
        fprintf(out, "  %-17stoo long: not run\n", "driver setup");
    else
        fprintf(out, "  %-17s%s (%s%s%s)\n  %-17sSetup.exe's own (inherited)\n", "driver setup",
                plan.driverCommandLine, plan.driverFound ? FileKindName(plan.driverKind) : "",
                plan.driverStarts ? "" : plan.driverFound ? ", not started: " : "not started: ",
                plan.driverStarts ? "" : NotStarted(plan.driverProgram, plan.driverFound, plan.driverKind, 0),
                "working folder");
    if (plan.checksByte)
        fprintf(out, "  %-17s0x%02X is set to 0x%02X, then \"%s\"\n", "device byte", plan.byteFrom,
                plan.byteTo, mediumReport.settings.rePlugin);
    else
        fprintf(out, "  %-17snot touched (EnableAudioClass is 0)\n", "device byte");
    if (plan.gatedByFinishInstall)
        fprintf(out, "  %-17sonly once the driver setup reports FinishInstall = 1%s\n", "further programs",
                plan.furtherCount ? "" : "; none named");
    else
        fprintf(out, "  %-17snone run (CheckFinishInstall is 0)\n", "further programs");
    for (int i = 0; i < plan.furtherCount; ++i)
        PrintFurther(out, plan.further[i]);
    if (plan.waitsForInstaller)
        fprintf(out, "  %-17sSetup.exe stays hidden and clicks it through, every %u ms\n",
                "hotfix installer", plan.tickMs);
    else
        fprintf(out, "  %-17sSetup.exe ends at once\n", "then");
    fprintf(out, "  %-17s%d (when every program starts and completion is reported); %d on a clean machine, "
            "where no earlier installation left FinishInstall\n", "exit code", plan.exitCode, plan.cleanExitCode);
}

void PrintReportText(FILE *out)
{
    const MediumReport &r = mediumReport;
    fprintf(out, "Medium %s\n", r.folder);
    fprintf(out, "Setting.ini %s\n", SettingFileLine());
    for (const ClassPlan &plan : r.classes)
        PrintClass(out, plan);
    fprintf(out, "\n");
    for (int i = 0; i < r.problemCount; ++i)
        fprintf(out, "%-8s %s: %s\n", r.problems[i].severity == PROBLEM_ERROR ? "error" : "warning",
                r.problems[i].subject, r.problems[i].text);
    if (r.errors + r.warnings > r.problemCount)
        fprintf(out, "(%d more not listed)\n", r.errors + r.warnings - r.problemCount);
    fprintf(out, "%d error%s, %d warning%s\n", r.errors, r.errors == 1 ? "" : "s", r.warnings,
            r.warnings == 1 ? "" : "s");
}
