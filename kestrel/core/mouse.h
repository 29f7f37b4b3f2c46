// Mouse emulation: remote keys 0..10 move the pointer and press its buttons.
#ifndef KESTREL_MOUSE_H
#define KESTREL_MOUSE_H

void EmulateMouse(int code);
void MovePointer(int code);
void InitPointerBounds(void);
void SetPointerBoundsFromDisplay(unsigned short width, unsigned short height);

#endif
