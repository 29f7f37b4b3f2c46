// Registry reads and writes for the tests.
#include "registry_support.h"

#include <shlwapi.h>

RegValue ReadRegValue(const char *subKey, const char *name)
{
    RegValue value;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return value;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, NULL, &value.type, NULL, &size) == ERROR_SUCCESS) {
        std::string data(size, '\0');
        if (RegQueryValueExA(key, name, NULL, &value.type, size ? (BYTE *)&data[0] : NULL, &size) == ERROR_SUCCESS) {
            value.exists = true;
            value.bytes = data.substr(0, size);
        }
    }
    RegCloseKey(key);
    return value;
}

long long ReadDword(const char *subKey, const char *name)
{
    RegValue value = ReadRegValue(subKey, name);
    if (!value.exists || value.type != REG_DWORD || value.bytes.size() != 4)
        return -1;
    DWORD number;
    memcpy(&number, value.bytes.data(), 4);
    return number;
}

bool KeyExists(const char *subKey)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool WriteRegValue(const char *subKey, const char *name, DWORD type, const std::string &bytes)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, subKey, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key, NULL) != ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExA(key, name, 0, type, (const BYTE *)bytes.data(), (DWORD)bytes.size());
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool WriteDword(const char *subKey, const char *name, DWORD value)
{
    return WriteRegValue(subKey, name, REG_DWORD, std::string((const char *)&value, sizeof value));
}

bool WriteString(const char *subKey, const char *name, const std::string &text)
{
    return WriteRegValue(subKey, name, REG_SZ, std::string(text.c_str(), text.size() + 1));
}

void DeleteRegValue(const char *subKey, const char *name)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, name);
    RegCloseKey(key);
}

void DeleteKeyTree(const char *subKey)
{
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, subKey);
}
