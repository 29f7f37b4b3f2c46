// The stand-in's record file.
#include "tvapp_record.h"

#include <windows.h>
#include <stdarg.h>
#include <stdio.h>

static HANDLE recordFile = INVALID_HANDLE_VALUE;
static CRITICAL_SECTION recordLock;
static volatile LONG closing;

int OpenRecord(const char *path)
{
    InitializeCriticalSection(&recordLock);
    // Readers open it while we write; each line is one append.
    recordFile = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    return recordFile != INVALID_HANDLE_VALUE;
}

// One WriteFile per line, so that a reader never sees two lines interleaved.
static void WriteLine(const char *format, va_list arguments)
{
    char line[8192];
    int length = vsnprintf(line, sizeof line - 2, format, arguments);
    if (length < 0)
        return;
    if (length > (int)sizeof line - 3)
        length = (int)sizeof line - 3;
    line[length++] = '\r';
    line[length++] = '\n';
    DWORD written;
    WriteFile(recordFile, line, (DWORD)length, &written, NULL);
    FlushFileBuffers(recordFile);
}

void RecordLine(const char *format, ...)
{
    EnterCriticalSection(&recordLock);
    if (recordFile != INVALID_HANDLE_VALUE && !closing) {
        va_list arguments;
        va_start(arguments, format);
        WriteLine(format, arguments);
        va_end(arguments);
    }
    LeaveCriticalSection(&recordLock);
}

int RecordClose(const char *format, ...)
{
    EnterCriticalSection(&recordLock);
    int first = recordFile != INVALID_HANDLE_VALUE && !closing;
    if (first) {
        va_list arguments;
        va_start(arguments, format);
        WriteLine(format, arguments);
        va_end(arguments);
        closing = 1;
    }
    LeaveCriticalSection(&recordLock);
    return first;
}

int RecordClosing(void)
{
    return closing != 0;
}

void RecordEnd(void)
{
    EnterCriticalSection(&recordLock);
    if (recordFile != INVALID_HANDLE_VALUE) {
        static const char line[] = "end\r\n";
        DWORD written;
        WriteFile(recordFile, line, sizeof line - 1, &written, NULL);
        FlushFileBuffers(recordFile);
        CloseHandle(recordFile);
        recordFile = INVALID_HANDLE_VALUE;
    }
    closing = 1;
    LeaveCriticalSection(&recordLock);
}
