// The keystroke and message primitives through which every profile talks to its application.
#ifndef KESTREL_PRIMITIVES_H
#define KESTREL_PRIMITIVES_H

#include <windows.h>

// The lParam of the posted key-downs that carry no key-specific one.
enum { FIXED_KEYDOWN_LPARAM = 0x01500001 };

// SetForegroundWindow, then SetActiveWindow.
void Activate(HWND window);
// Activate, then BringWindowToTop.
void ActivateAndRaise(HWND window);
// The one injection path: keys[0..count-2] pressed in order, the last key pressed and
// released, the others released in reverse order. extendedAll: every event carries the
// extended flag (as the nine applications expect); else only the keys that are extended on a
// real keyboard.
void InjectKeys(const BYTE *keys, int count, int extendedAll);
// One key pressed and released; every event carries the extended flag.
void TapKey(BYTE vk);
// Modifiers pressed in order (0 ends the list), the key tapped, modifiers released in reverse.
void ChordKeys(BYTE modifier1, BYTE modifier2, BYTE vk);
// A posted WM_KEYDOWN with the given lParam; never followed by a key-up.
void PostKeyDown(HWND window, UINT vk, LPARAM lParam);
// A private command message.
void PostCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
