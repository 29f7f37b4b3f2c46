// The stand-in's record: one line per event, appended and flushed at once so that a test
// reads it while the stand-in runs. Safe to call from the key hook's thread and the main one.
#ifndef SIM_TVAPP_RECORD_H
#define SIM_TVAPP_RECORD_H

#include <stdio.h>

// Opens path for appending; 1 on success.
int OpenRecord(const char *path);
// Writes one line (CR LF added); nothing once a close line was written.
void RecordLine(const char *format, ...) __attribute__((format(__MINGW_PRINTF_FORMAT, 1, 2)));
// Writes the close line and ends recording, apart from the end line; 1 for the first close,
// 0 when the program was already closing (the line is then not written).
int RecordClose(const char *format, ...) __attribute__((format(__MINGW_PRINTF_FORMAT, 1, 2)));
// 1 once a close line was written.
int RecordClosing(void);
// Writes the end line and closes the file; nothing is recorded after it.
void RecordEnd(void);

#endif
