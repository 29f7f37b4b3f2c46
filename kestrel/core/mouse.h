// Mouse emulation: remote keys 0 to MOUSE_LAST_CODE move the pointer and press its buttons.
#ifndef KESTREL_MOUSE_H
#define KESTREL_MOUSE_H

enum { MOUSE_LAST_CODE = 10 };

void EmulateMouse(int code);
// A new key press: the next move starts slow again.
void ResetPointerSteps(void);
void InitPointerBounds(void);
void SetPointerBoundsFromDisplay(unsigned short width, unsigned short height);

#endif
