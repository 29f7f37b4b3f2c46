// GetDSName: the filter name that the driver's installation recorded.
#include "ds_name.h"

#include <windows.h>

#include "common/bounded_text.h"

enum { NAME_VALUE_SIZE = 256 };

// The value gets its whole 256 bytes and text one more, for a terminator the stored value
// may lack; a longer value does not count as a name.
static int QueryName(HKEY key, const char *value, char text[NAME_VALUE_SIZE + 1])
{
    DWORD bytes = NAME_VALUE_SIZE;
    if (RegQueryValueExA(key, value, NULL, NULL, (BYTE *)text, &bytes) != ERROR_SUCCESS)
        return 0;
    text[bytes] = '\0';
    return 1;
}

int GetDSName(char nameOut[DS_NAME_SIZE])
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Halyard\\BDA", 0, KEY_READ, &key)
        != ERROR_SUCCESS)
        return 0;
    char text[NAME_VALUE_SIZE + 1];
    int found = QueryName(key, "RealDSName", text) || QueryName(key, "DSName", text);
    RegCloseKey(key);
    if (!found)
        return 0;
    CopyText(nameOut, DS_NAME_SIZE, text);
    return 1;
}
