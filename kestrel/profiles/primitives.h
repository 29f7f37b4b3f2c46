// The keystroke and message primitives through which every profile talks to its application.
#ifndef KESTREL_PRIMITIVES_H
#define KESTREL_PRIMITIVES_H

#include <windows.h>

// The lParam of the posted key-downs that carry no key-specific one.
enum { FIXED_KEYDOWN_LPARAM = 0x01500001 };
// How long a keystroke waits for its window to come to the front.
enum { FOREGROUND_WAIT_MS = 50 };

// SetForegroundWindow, then SetActiveWindow; for posted messages, which need no foreground.
void Activate(HWND window);
// Activate, then BringWindowToTop.
void ActivateAndRaise(HWND window);
// Activate, then waits at most FOREGROUND_WAIT_MS until window's thread has the foreground;
// 1 when it has.
int BringToFront(HWND window);
// The one way keystrokes are injected: window is brought to the front, then keys[0..count-2]
// (the modifiers) are pressed in order, the last key tapped and the modifiers released in
// reverse. extendedAll: every event carries the extended flag (as the nine applications
// expect); else only the keys that are extended on a real keyboard. Nothing is sent unless
// window came to the front; once another window takes the front no further key goes down
// (those down are let up, so none stays held). 1 when every key went to window.
int InjectKeys(HWND window, const BYTE *keys, int count, int extendedAll);
// Modifiers pressed in order (0 ends the list), the key tapped, modifiers released in reverse,
// every event with the extended flag; through InjectKeys.
int ChordKeys(HWND window, BYTE modifier1, BYTE modifier2, BYTE vk);
// ChordKeys without modifiers.
int TapKey(HWND window, BYTE vk);
// How many posts Windows refused since start: a receiver running elevated refuses them.
int RefusedPosts(void);

// A posted WM_KEYDOWN with the given lParam; never followed by a key-up.
void PostKeyDown(HWND window, UINT vk, LPARAM lParam);
// A private command message.
void PostCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
