// Telling a hotfix package from a program by its extension.
#include "medium/msu_file.h"

#include <string.h>

int IsMsuFile(const char *name)
{
    if (!name)
        return 0;
    const char *dot = strrchr(name, '.');
    return dot && strcmp(dot, ".msu") == 0;
}
