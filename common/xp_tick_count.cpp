// The C++ runtime's thread support (winpthreads) imports GetTickCount64, which Windows XP
// lacks: the program would not even load there. Linked into each program as an object,
// this definition of the import slot comes before the system's import library and wins.
// It calls the system's function where there is one and extends GetTickCount otherwise.
#include <windows.h>

typedef ULONGLONG (WINAPI *TickCount64Function)(void);

static ULONGLONG WINAPI TickCount64(void)
{
    static TickCount64Function system = NULL;
    static int looked = 0;
    if (!looked) {
        HMODULE kernel = GetModuleHandleA("kernel32.dll");
        system = kernel ? (TickCount64Function)(void *)GetProcAddress(kernel, "GetTickCount64") : NULL;
        looked = 1;
    }
    if (system)
        return system();
    // Counts the wraps of the 32-bit tick; it is called far more often than every 49 days.
    static DWORD last = 0;
    static ULONGLONG wraps = 0;
    DWORD now = GetTickCount();
    if (now < last)
        wraps += 0x100000000ULL;
    last = now;
    return wraps + now;
}

#ifdef _WIN64
extern "C" TickCount64Function importedTickCount64 __asm__("__imp_GetTickCount64");
#else
extern "C" TickCount64Function importedTickCount64 __asm__("__imp__GetTickCount64@0");
#endif
TickCount64Function importedTickCount64 = TickCount64;
