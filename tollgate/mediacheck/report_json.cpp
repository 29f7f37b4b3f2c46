// The report for scripts: one JSON object in UTF-8, whatever the ANSI code page is.
#include "mediacheck/report_json.h"

#include <windows.h>

#include "mediacheck/medium_report.h"

enum { UTF8_SIZE = 4 * PROBLEM_TEXT_SIZE };

// ANSI text as UTF-8; the ANSI bytes as they are should a conversion fail.
static const char *Utf8(const char *text, char *utf8, int size)
{
    WCHAR wide[PROBLEM_TEXT_SIZE];
    int length = MultiByteToWideChar(CP_ACP, 0, text, -1, wide, PROBLEM_TEXT_SIZE);
    if (length == 0 || WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, size, NULL, NULL) == 0)
        return text;
    return utf8;
}

static void String(FILE *out, const char *text)
{
    char utf8[UTF8_SIZE];
    fputc('"', out);
    for (const unsigned char *c = (const unsigned char *)Utf8(text, utf8, sizeof utf8); *c; ++c) {
        if (*c == '"' || *c == '\\')
            fprintf(out, "\\%c", *c);
        else if (*c < 0x20)
            fprintf(out, "\\u%04x", *c);
        else
            fputc(*c, out);
    }
    fputc('"', out);
}

static void Field(FILE *out, const char *name, const char *text, const char *after = ", ")
{
    fprintf(out, "\"%s\": ", name);
    String(out, text);
    fputs(after, out);
}

static const char *Bool(int value)
{
    return value ? "true" : "false";
}

static void Further(FILE *out, const FurtherPlan &f)
{
    fprintf(out, "{\"index\": %d, ", f.index);
    Field(out, "key", f.key);
    Field(out, "entry", f.entry);
    Field(out, "program", f.program);
    Field(out, "ownParameters", f.ownParameters);
    fprintf(out, "\"kind\": \"%s\", \"fits\": %s, \"found\": %s, ", f.isPackage ? "package" : "program",
            Bool(f.fits), Bool(f.found));
    Field(out, "fileKind", FileKindName(f.kind));
    fprintf(out, "\"starts\": %s, ", Bool(f.starts));
    if (f.isPackage)
        Field(out, "parameters", f.parameters);
    else
        Field(out, "commandLine", f.commandLine);
    Field(out, "file", f.file, "}");
}

static const char *const classIds[2][2] = { { "xp32", "xp64" }, { "vista32", "vista64" } };

static void Class(FILE *out, const ClassPlan &plan)
{
    fprintf(out, "    {\"class\": \"%s\", ", classIds[plan.isVista][plan.isX64]);
    Field(out, "title", ClassTitle(plan));
    fprintf(out, "\"driverSetup\": ");
    if (mediumReport.folderFits && plan.runsDriverSetup) {
        fprintf(out, "{\"fits\": %s, \"found\": %s, ", Bool(plan.driverFits), Bool(plan.driverFound));
        Field(out, "fileKind", FileKindName(plan.driverKind));
        fprintf(out, "\"starts\": %s, ", Bool(plan.driverStarts));
        Field(out, "commandLine", plan.driverCommandLine);
        Field(out, "program", plan.driverProgram);
        fprintf(out, "\"workingFolder\": \"inherited\"}, ");
    } else {
        fprintf(out, "null, ");
    }
    fprintf(out, "\"deviceByte\": {\"checked\": %s, \"from\": %u, \"to\": %u}, ", Bool(plan.checksByte),
            plan.byteFrom, plan.byteTo);
    fprintf(out, "\"gatedByFinishInstall\": %s, \"further\": [", Bool(plan.gatedByFinishInstall));
    for (int i = 0; i < plan.furtherCount; ++i) {
        if (i)
            fputs(", ", out);
        Further(out, plan.further[i]);
    }
    fprintf(out, "], \"waitsForInstaller\": %s, \"tickMs\": %u, \"exitCode\": %d, \"cleanExitCode\": %d}",
            Bool(plan.waitsForInstaller), plan.tickMs, plan.exitCode, plan.cleanExitCode);
}

void PrintReportJson(FILE *out)
{
    const MediumReport &r = mediumReport;
    static const char *const states[] = { "read", "missing", "tooLong" };
    fprintf(out, "{\n  ");
    Field(out, "medium", r.folder);
    fprintf(out, "\"settingFile\": \"%s\", ", states[r.settingFileState]);
    Field(out, "parameters", r.settings.launchAnotherAPParam, ",\n  \"classes\": [\n");
    for (int i = 0; i < CLASS_COUNT; ++i) {
        Class(out, r.classes[i]);
        fputs(i + 1 < CLASS_COUNT ? ",\n" : "\n", out);
    }
    fprintf(out, "  ],\n  \"problems\": [\n");
    for (int i = 0; i < r.problemCount; ++i) {
        const MediumProblem &p = r.problems[i];
        fprintf(out, "    {\"severity\": \"%s\", ", p.severity == PROBLEM_ERROR ? "error" : "warning");
        Field(out, "subject", p.subject);
        Field(out, "text", p.text, i + 1 < r.problemCount ? "},\n" : "}\n");
    }
    fprintf(out, "  ],\n  \"errors\": %d, \"warnings\": %d\n}\n", r.errors, r.warnings);
}
