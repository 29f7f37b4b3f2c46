// The key-polling tick: presence, one IR read, repeat filtering and routing.
#ifndef KESTREL_DISPATCH_H
#define KESTREL_DISPATCH_H

#include <windows.h>

void CALLBACK PollRemote(HWND window, UINT message, UINT_PTR timerId, DWORD time);

#endif
