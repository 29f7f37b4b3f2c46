// A DLL planted where an elevated launcher must not load it from; its marker export tells
// it from the system's DLL of the same name.
#include <windows.h>

extern "C" __declspec(dllexport) int TollgatePlantedMarker(void)
{
    return 1;
}
