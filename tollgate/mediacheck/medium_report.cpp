// The checker's report: the problem list with its counts, and what they come to.
#include "mediacheck/medium_report.h"

#include <stdarg.h>
#include <stdio.h>

#include "common/bounded_text.h"

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

int ReportExitCode(void)
{
    if (mediumReport.errors)
        return 2;
    return mediumReport.warnings ? 1 : 0;
}
