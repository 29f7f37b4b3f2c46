// Looking at the medium's files for the launcher's program values.
#include "medium/medium_file.h"

#include <windows.h>

#include "medium/entry_split.h"

// 1 when the path names a file, not a folder.
static int IsMediumFile(const char *path)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int SplitEntry(const char *folder, const char *value, char *program, size_t programSize,
               char *parameters, size_t parametersSize)
{
    return SplitEntryWith(folder, value, IsMediumFile, program, programSize, parameters,
                          parametersSize);
}
