// Telling programs from documents by their headers, as the loader does.
#include "mediacheck/file_kind.h"

#include <windows.h>

enum { MACHINE_I386 = 0x14C, MACHINE_AMD64 = 0x8664, NEW_HEADER_OFFSET = 0x3C };

static unsigned Little(const unsigned char *bytes, int count)
{
    unsigned value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | bytes[i];
    return value;
}

FileKind FileKindOfHeader(const unsigned char *bytes, size_t size)
{
    if (size < NEW_HEADER_OFFSET + 4 || bytes[0] != 'M' || bytes[1] != 'Z')
        return FILE_DOCUMENT;
    size_t pe = Little(bytes + NEW_HEADER_OFFSET, 4);
    if (pe > size || size - pe < 6 || bytes[pe] != 'P' || bytes[pe + 1] != 'E' || bytes[pe + 2] != 0
        || bytes[pe + 3] != 0)
        return FILE_DOCUMENT;
    switch (Little(bytes + pe + 4, 2)) {
    case MACHINE_I386:
        return FILE_PROGRAM_X86;
    case MACHINE_AMD64:
        return FILE_PROGRAM_X64;
    }
    return FILE_PROGRAM_OTHER;
}

FileKind FileKindOf(const char *path)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return FILE_MISSING;
    unsigned char header[FILE_HEADER_SIZE];
    DWORD read = 0;
    if (!ReadFile(file, header, sizeof header, &read, NULL))
        read = 0;
    CloseHandle(file);
    return FileKindOfHeader(header, read);
}

const char *FileKindName(FileKind kind)
{
    switch (kind) {
    case FILE_MISSING:
        break;
    case FILE_DOCUMENT:
        return "document";
    case FILE_PROGRAM_X86:
        return "32-bit program";
    case FILE_PROGRAM_X64:
        return "64-bit program";
    case FILE_PROGRAM_OTHER:
        return "program for another processor";
    }
    return "missing";
}
