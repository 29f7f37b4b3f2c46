// GetDSName: the filter name that the driver's installation recorded.
#include "filter_search.h"

#include "bounded_text.h"

static int QueryName(HKEY key, const char *value, char *text, DWORD size)
{
    // One byte is kept back for a terminator the stored value may lack; a longer value
    // does not count as a name.
    DWORD bytes = size - 1;
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
    char text[256];
    int found = QueryName(key, "RealDSName", text, sizeof text)
                || QueryName(key, "DSName", text, sizeof text);
    RegCloseKey(key);
    if (!found)
        return 0;
    CopyText(nameOut, DS_NAME_SIZE, text);
    return 1;
}
