// The integrity level of a process, which decides on Vista and later whether this program's
// keystrokes and posted messages reach it.
#ifndef KESTREL_PROCESS_INTEGRITY_H
#define KESTREL_PROCESS_INTEGRITY_H

#include <windows.h>

// The mandatory label's RID of processId's token (0x2000 medium, 0x3000 high, ...); 0 when
// Windows has no integrity levels (XP) or the process cannot be opened at all.
DWORD ProcessIntegrityLevel(DWORD processId);

#endif
