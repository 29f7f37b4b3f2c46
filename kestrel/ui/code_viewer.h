// The code viewer: a window that lists each remote key event as it arrives.
#ifndef KESTREL_CODE_VIEWER_H
#define KESTREL_CODE_VIEWER_H

#include <windows.h>

#include "ui/code_line.h"

// Opens the viewer, or brings the open one to the front; 1 when it is open.
int OpenCodeViewer(HINSTANCE instance);
// Adds a line for code (its kind, where it went) to the open viewer; nothing while closed.
void ShowCodeEvent(int code, CodeEventKind kind, const char *where);
// The message loop hands every message here first: 1 when the open viewer took it as a dialog key.
int IsCodeViewerMessage(MSG *message);

#endif
