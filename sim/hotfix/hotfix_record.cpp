// Appending to the stand-in's record, a whole line at a time.
#include "hotfix_record.h"

#include <windows.h>
#include <stdio.h>

#include "record_file.h"

static char recordPath[MAX_PATH + 16];

void OpenHotfixRecord(const char *packagePath)
{
    snprintf(recordPath, sizeof recordPath, "%s.record", packagePath);
}

void Record(const char *event, const char *a, const char *b, const char *c)
{
    char line[2048];
    snprintf(line, sizeof line, "%s\t%s%s%s%s%s\r\n", event, a, *b ? "\t" : "", b, *c ? "\t" : "", c);
    AppendRecordLine(recordPath, line);
}
