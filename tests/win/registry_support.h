// Registry values under HKEY_LOCAL_MACHINE as the tests set and read them.
#ifndef TESTS_REGISTRY_SUPPORT_H
#define TESTS_REGISTRY_SUPPORT_H

#include <windows.h>
#include <string>

// kestrel's settings key, written out here so that a wrong key in the program shows.
#define KESTREL_SETTINGS_KEY "SOFTWARE\\Corvel\\Lintel Twin Utilities"

struct RegValue {
    bool exists = false;
    DWORD type = 0;
    std::string bytes;
};

// A value's type and raw bytes; exists is false when the key or the value is missing.
RegValue ReadRegValue(const char *subKey, const char *name);
// The value as a REG_DWORD of 4 bytes, or -1 when missing or of another type or size.
long long ReadDword(const char *subKey, const char *name);
bool KeyExists(const char *subKey);
// Creates the key as needed; true on success.
bool WriteRegValue(const char *subKey, const char *name, DWORD type, const std::string &bytes);
bool WriteDword(const char *subKey, const char *name, DWORD value);
bool WriteString(const char *subKey, const char *name, const std::string &text);
void DeleteRegValue(const char *subKey, const char *name);
void DeleteKeyTree(const char *subKey);

#endif
