// tollgate_dllprobe.exe: makes Setup.exe's DLL search restriction at start (or its
// fallback, or none), then loads a DLL by its bare name, as a library of Windows might.
//   tollgate_dllprobe restrict|fallback|none NAME
// Exit code: 10 the planted DLL was loaded, 11 another DLL of that name, 12 none, 13 a DLL
// of that name was loaded before the probe looked (the test must choose another), 2 usage.
#include <windows.h>
#include <string.h>

#include "flow/dll_search.h"

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    if (GetModuleHandleA(argv[2]))
        return 13;
    if (strcmp(argv[1], "restrict") == 0) {
        RestrictDllSearch();
    } else if (strcmp(argv[1], "fallback") == 0) {
        HMODULE kernel = GetModuleHandleA("kernel32.dll");
        RestrictDllSearchWith(NULL, (SetDllDirectoryCall)(void *)GetProcAddress(kernel, "SetDllDirectoryA"));
    } else if (strcmp(argv[1], "none") != 0) {
        return 2;
    }
    HMODULE loaded = LoadLibraryA(argv[2]);
    if (!loaded)
        return 12;
    return GetProcAddress(loaded, "TollgatePlantedMarker") ? 10 : 11;
}
