// kestrel's message boxes: no owner, the caption and the text from the string table.
#ifndef KESTREL_PROGRAM_MESSAGE_H
#define KESTREL_PROGRAM_MESSAGE_H

#include <windows.h>

// String id of the string table into text, empty when it cannot be read; returns text.
const char *ProgramString(UINT id, char *text, int size);
// Shows string textId with the program's caption and the given style; MessageBoxA's result.
int ShowProgramMessage(UINT textId, UINT style);
// The same for a text made at run time.
int ShowProgramText(const char *text, UINT style);

#endif
