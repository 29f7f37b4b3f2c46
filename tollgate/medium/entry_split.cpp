// Splitting a program value into program and parameters by what the medium holds.
#include "medium/entry_split.h"

#include <string.h>

#include "common/bounded_text.h"
#include "medium/launcher_paths.h"

// The text from the last backslash or slash on has a dot.
static int HasExtension(const char *name)
{
    const char *dot = strrchr(name, '.');
    if (!dot)
        return 0;
    return strchr(dot, '\\') == NULL && strchr(dot, '/') == NULL;
}

// 1 when the first length characters of value, or they with ".exe", name a file of folder;
// program then holds that name.
static int NamesFile(const char *folder, const char *value, size_t length, FileProbe isFile,
                     char *program, size_t programSize)
{
    char part[ENTRY_PROGRAM_SIZE];
    if (length + 4 >= sizeof part)
        return 0;
    memcpy(part, value, length);
    part[length] = '\0';
    char path[COMMAND_LINE_SIZE];
    if (FormatText(path, sizeof path, "%s\\%s", folder, part) && isFile(path))
        return CopyText(program, programSize, part);
    if (HasExtension(part))
        return 0;
    return AppendText(part, sizeof part, ".exe")
        && FormatText(path, sizeof path, "%s\\%s", folder, part) && isFile(path)
        && CopyText(program, programSize, part);
}

int SplitEntryWith(const char *folder, const char *value, FileProbe isFile, char *program,
                   size_t programSize, char *parameters, size_t parametersSize)
{
    CopyText(parameters, parametersSize, "");
    size_t end = strlen(value);
    while (end > 0) {
        if (value[end - 1] != ' ' && NamesFile(folder, value, end, isFile, program, programSize)) {
            const char *rest = value + end;
            while (*rest == ' ')
                ++rest;
            return CopyText(parameters, parametersSize, rest);
        }
        do
            --end;
        while (end > 0 && value[end] != ' ');
    }
    CopyText(program, programSize, value);
    return 0;
}
