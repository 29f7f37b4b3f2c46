// DLL search restriction at start: the system folder only where Windows offers it, else at
// least not the current folder.
#include "flow/dll_search.h"

enum { SEARCH_SYSTEM32 = 0x00000800 };   // LOAD_LIBRARY_SEARCH_SYSTEM32

DllSearch RestrictDllSearchWith(SetDefaultDllDirectoriesCall setDefault, SetDllDirectoryCall setDirectory)
{
    if (setDefault && setDefault(SEARCH_SYSTEM32))
        return DLL_SEARCH_SYSTEM_ONLY;
    if (setDirectory && setDirectory(""))
        return DLL_SEARCH_NO_CURRENT;
    return DLL_SEARCH_UNCHANGED;
}

DllSearch RestrictDllSearch(void)
{
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (!kernel)
        return DLL_SEARCH_UNCHANGED;
    return RestrictDllSearchWith(
        (SetDefaultDllDirectoriesCall)(void *)GetProcAddress(kernel, "SetDefaultDllDirectories"),
        (SetDllDirectoryCall)(void *)GetProcAddress(kernel, "SetDllDirectoryA"));
}
