// Windows classification from plain values.
#include "steps/os_class_rules.h"

#include <string.h>

#include "common/text_case.h"

enum { PLATFORM_NT = 2 };

int IsVistaVersion(unsigned long platformId, unsigned long majorVersion)
{
    return platformId == PLATFORM_NT && majorVersion == 6;
}

int NamesX86Folder(const char *programFilesX86)
{
    if (!programFilesX86)
        return 0;
    const char *open = strrchr(programFilesX86, '(');
    return open && SameIgnoringCase(open, "(x86)");
}

LauncherClass LauncherClassOf(int isVista, int isX64)
{
    if (isVista)
        return isX64 ? CLASS_VISTA_X64 : CLASS_VISTA_X86;
    return isX64 ? CLASS_XP_X64 : CLASS_XP_X86;
}
