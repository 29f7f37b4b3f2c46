// Record files written a whole line at a time and read a whole file at a time.
#include "record_file.h"

#include <windows.h>
#include <string.h>

enum { APPEND_ATTEMPTS = 500, APPEND_RETRY_MS = 10 };

void AppendRecordLine(const char *path, const char *line)
{
    // Shared for reading only: writers take turns, so that no two lines interleave.
    for (int attempt = 0; attempt < APPEND_ATTEMPTS; ++attempt) {
        HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ, NULL, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, NULL);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written;
            WriteFile(file, line, (DWORD)strlen(line), &written, NULL);
            CloseHandle(file);
            return;
        }
        Sleep(APPEND_RETRY_MS);
    }
}

std::string ReadWholeFile(const char *path)
{
    std::string text;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, NULL) && got > 0)
        text.append(buffer, got);
    CloseHandle(file);
    return text;
}
