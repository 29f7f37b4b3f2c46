// What CreateProcess does with a file, by its kind and the class's processor.
#include "mediacheck/start_check.h"

#include <string.h>

#include "common/text_case.h"

// What would start a document of this extension, for the error's second half.
static const struct {
    const char *extension;
    const char *advice;
} documentAdvice[] = {
    { ".msu", "only \".msu\" in small letters goes to the shell, which starts the update installer" },
    { ".msi", "an installer package needs msiexec, which Setup.exe does not call: name a program that runs it" },
    { ".bat", "a batch file needs cmd.exe, which Setup.exe does not call: name a program instead" },
    { ".cmd", "a batch file needs cmd.exe, which Setup.exe does not call: name a program instead" },
};

static const char *AdviceFor(const char *name)
{
    const char *dot = strrchr(name, '.');
    for (const auto &row : documentAdvice)
        if (dot && SameIgnoringCase(dot, row.extension))
            return row.advice;
    return "only a Windows program, or a package ending in \".msu\", is started";
}

int ReportUnstartable(const char *key, const char *name, FileKind kind, const ClassPlan &plan)
{
    switch (kind) {
    case FILE_DOCUMENT:
        AddProblem(PROBLEM_ERROR, key, "%s is no Windows program, so CreateProcess does not start it; %s",
                   name, AdviceFor(name));
        return 1;
    case FILE_PROGRAM_X64:
        if (plan.isX64)
            return 0;
        AddProblem(PROBLEM_ERROR, key, "%s is a 64-bit program, which %s Windows cannot start; a 32-bit "
                   "program starts on every class", name, ClassTitle(plan));
        return 1;
    case FILE_PROGRAM_OTHER:
        AddProblem(PROBLEM_ERROR, key, "%s is a program for another processor, which %s Windows cannot "
                   "start", name, ClassTitle(plan));
        return 1;
    case FILE_MISSING:
    case FILE_PROGRAM_X86:
        break;
    }
    return 0;
}
