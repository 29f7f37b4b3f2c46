// Whether a file exists, for the installation tests.
#ifndef KESTREL_FILE_EXISTS_H
#define KESTREL_FILE_EXISTS_H

// 1 when path names an existing file (not a folder).
int FileExists(const char *path);

#endif
