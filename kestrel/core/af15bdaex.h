// The infrared receiver library of the tuner stick, linked at load time.
#ifndef KESTREL_AF15BDAEX_H
#define KESTREL_AF15BDAEX_H

#ifdef __cplusplus
extern "C" {
#endif

#ifdef AF15_BUILDING_LIBRARY
#define AF15_API __declspec(dllexport)
#else
#define AF15_API __declspec(dllimport)
#endif

// Opens the receiver; non-zero when it is ready.
AF15_API unsigned char __stdcall af15_init(void);
// Reads one key event into the 8-byte report; 1 when an event was written.
AF15_API unsigned char __stdcall af15_GetIR(unsigned char *report);
// Closes the receiver.
AF15_API unsigned char __stdcall af15_exit(void);

#ifdef __cplusplus
}
#endif

#endif
