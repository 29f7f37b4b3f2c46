// What happens to a hotfix package beyond the shell call that Setup.exe makes.
#include "mediacheck/package_check.h"

#include "common/text_case.h"
#include "mediacheck/package_name.h"

enum { VISTA_MAJOR = 6, PROCESSOR_SIZE = 16 };

// The Vista class is every Windows of version 6.0 and later (Windows 8 and later report
// 6.2 to Setup.exe), on the class's processor.
static void CheckPackageFits(const FurtherPlan &f, const ClassPlan &plan)
{
    int major = 0, minor = 0;
    char processor[PROCESSOR_SIZE];
    if (!ReadPackageName(f.program, &major, &minor, processor, sizeof processor))
        return;
    const char *classProcessor = plan.isX64 ? "x64" : "x86";
    if (!SameIgnoringCase(processor, classProcessor))
        AddProblem(PROBLEM_WARNING, f.key, "%s is made for %s processors, not for %s (%s)", f.program,
                   processor, ClassTitle(plan), classProcessor);
    if (major < VISTA_MAJOR)
        AddProblem(PROBLEM_WARNING, f.key, "%s is made for Windows %d.%d, which the Vista class (6.0 and "
                   "later) never is", f.program, major, minor);
}

int PackageIsOpened(const FurtherPlan &f, const ClassPlan &plan)
{
    if (!plan.isVista) {
        AddProblem(PROBLEM_ERROR, f.key, "%s: Windows XP has no Windows Update Standalone Installer, so "
                   "the shell has nothing to open a \".msu\" package with and refuses it", f.program);
        return 0;
    }
    CheckPackageFits(f, plan);
    size_t length = 0;
    const char *foreign = FirstForeignParameter(f.parameters, &length);
    if (foreign)
        AddProblem(PROBLEM_WARNING, f.key, "the installer gets the parameter \"%.*s\", which is none of its "
                   "switches (/quiet, /norestart...): it may answer with a notice that has only OK, which "
                   "Setup.exe clicks as the final one and ends with 0, nothing installed", (int)length,
                   foreign);
    return 1;
}

void CheckInstallerOrder(const ClassPlan &plan)
{
    const FurtherPlan *firstPackage = NULL;
    for (int i = 0; i < plan.furtherCount; ++i) {
        const FurtherPlan &f = plan.further[i];
        if (!f.starts)
            continue;
        if (!f.isPackage) {
            if (firstPackage)
                AddProblem(PROBLEM_WARNING, f.key, "listed after the package %s, so it runs while that "
                           "package's installer does", firstPackage->program);
        } else if (!firstPackage) {
            firstPackage = &f;
        } else if (plan.waitsForInstaller) {
            AddProblem(PROBLEM_WARNING, f.key, "a second package for %s: the first installer's final notice "
                       "ends Setup.exe, and this one's installer is left to the user", ClassTitle(plan));
        }
    }
}
