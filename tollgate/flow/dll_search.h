// Keeping DLLs on the medium (or in the current folder) from being loaded into the
// elevated launcher.
#ifndef TOLLGATE_FLOW_DLL_SEARCH_H
#define TOLLGATE_FLOW_DLL_SEARCH_H

#include <windows.h>

enum DllSearch {
    DLL_SEARCH_UNCHANGED = 0,     // neither call is offered
    DLL_SEARCH_NO_CURRENT = 1,    // SetDllDirectoryA(""): the current folder is left out
    DLL_SEARCH_SYSTEM_ONLY = 2    // SetDefaultDllDirectories: the system folder alone
};

typedef BOOL(WINAPI *SetDefaultDllDirectoriesCall)(DWORD);
typedef BOOL(WINAPI *SetDllDirectoryCall)(LPCSTR);

// Done first thing at start; the calls are looked up at run time so that XP still loads
// the program.
DllSearch RestrictDllSearch(void);
// The same with the calls given (either may be null).
DllSearch RestrictDllSearchWith(SetDefaultDllDirectoriesCall setDefault, SetDllDirectoryCall setDirectory);

#endif
