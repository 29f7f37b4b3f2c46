// Integrity levels through the token, with only calls that XP has (the query just fails there).
#include "base/process_integrity.h"

// Vista's names, which an XP build's headers do not declare.
enum {
    QUERY_LIMITED_INFORMATION = 0x1000,   // PROCESS_QUERY_LIMITED_INFORMATION
    INTEGRITY_LEVEL_CLASS = 25,           // TokenIntegrityLevel
    HIGH_INTEGRITY_RID = 0x3000           // SECURITY_MANDATORY_HIGH_RID
};

static DWORD TokenIntegrity(HANDLE token)
{
    // A TOKEN_MANDATORY_LABEL: the label's SID and attributes, the SID behind them.
    union {
        SID_AND_ATTRIBUTES label;
        BYTE bytes[sizeof(SID_AND_ATTRIBUTES) + SECURITY_MAX_SID_SIZE];
    } data;
    DWORD size = 0;
    if (!GetTokenInformation(token, (TOKEN_INFORMATION_CLASS)INTEGRITY_LEVEL_CLASS, &data, sizeof data, &size))
        return 0;
    PUCHAR count = GetSidSubAuthorityCount(data.label.Sid);
    if (!count || *count == 0)
        return 0;
    return *GetSidSubAuthority(data.label.Sid, *count - 1);
}

DWORD ProcessIntegrityLevel(DWORD processId)
{
    // The limited right opens an elevated process from a normal one; XP knows only the full one.
    HANDLE process = OpenProcess(QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process)
        process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId);
    if (!process)
        return 0;
    HANDLE token;
    DWORD level = 0;
    if (OpenProcessToken(process, TOKEN_QUERY, &token)) {
        level = TokenIntegrity(token);
        CloseHandle(token);
    } else if (GetLastError() == ERROR_ACCESS_DENIED) {
        // A token this program may not even read belongs to a process above it.
        level = HIGH_INTEGRITY_RID;
    }
    CloseHandle(process);
    return level;
}
