// File existence by attributes: unlike OpenFile's OF_EXIST it takes paths past 128 characters.
#include "profiles/file_exists.h"

#include <windows.h>

int FileExists(const char *path)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
