// The stand-ins' record files: lines appended whole while a test may be reading them, and
// whole files read back, by the stand-ins and by the tests alike.
#ifndef SIM_RECORD_FILE_H
#define SIM_RECORD_FILE_H

#include <string>

// Appends line (its line end included) in one write, creating the file. Another stand-in
// or a reader may hold the file for a moment: tries again for a while rather than lose
// the line.
void AppendRecordLine(const char *path, const char *line);
// The file's bytes as they are now, while others may still be writing it; empty when it
// cannot be opened.
std::string ReadWholeFile(const char *path);

#endif
