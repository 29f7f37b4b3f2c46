// Keystrokes that reach the stand-in: a low-level keyboard hook on a thread of its own.
#ifndef SIM_TVAPP_KEYS_H
#define SIM_TVAPP_KEYS_H

#include <windows.h>

// Starts the hook's thread and returns once the hook is in place; Alt+F4 is reported to
// mainThreadId as WM_TVAPP_END. 1 on success.
int StartKeyHook(DWORD mainThreadId, int allKeys);
// Removes the hook and ends its thread.
void StopKeyHook(void);

#endif
