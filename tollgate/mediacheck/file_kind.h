// What kind of file a program value names: a Windows program and its processor, or a
// document that CreateProcess does not start.
#ifndef MEDIACHECK_FILE_KIND_H
#define MEDIACHECK_FILE_KIND_H

#include <stddef.h>

enum FileKind { FILE_MISSING, FILE_DOCUMENT, FILE_PROGRAM_X86, FILE_PROGRAM_X64, FILE_PROGRAM_OTHER };

enum { FILE_HEADER_SIZE = 4096 };

// From the first bytes of a file: an MZ header whose e_lfanew leads to "PE\0\0" is a
// program, its machine field telling the processor.
FileKind FileKindOfHeader(const unsigned char *bytes, size_t size);
// The file's kind as it lies on the medium.
FileKind FileKindOf(const char *path);
// "32-bit program", "64-bit program", "document"...
const char *FileKindName(FileKind kind);

#endif
