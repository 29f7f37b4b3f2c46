// Appending to the stand-in's record, a whole line at a time.
#include "hotfix_record.h"

#include <windows.h>
#include <stdio.h>
#include <string.h>

static char recordPath[MAX_PATH + 16];

void OpenHotfixRecord(const char *packagePath)
{
    snprintf(recordPath, sizeof recordPath, "%s.record", packagePath);
}

void Record(const char *event, const char *a, const char *b, const char *c)
{
    char line[2048];
    snprintf(line, sizeof line, "%s\t%s%s%s%s%s\r\n", event, a, *b ? "\t" : "", b, *c ? "\t" : "", c);
    // A reader may have the file open; try for a while rather than lose the line.
    for (int attempt = 0; attempt < 200; ++attempt) {
        HANDLE file = CreateFileA(recordPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  NULL, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written;
            WriteFile(file, line, (DWORD)strlen(line), &written, NULL);
            CloseHandle(file);
            return;
        }
        Sleep(10);
    }
}
