// Private messages of the stand-in.
#ifndef SIM_TVAPP_MESSAGES_H
#define SIM_TVAPP_MESSAGES_H

#include <windows.h>

// From a test: record "mark <wParam>". Posted messages are served in order, so everything
// posted before it is recorded before it.
#define WM_TVAPP_MARK (WM_APP + 77)
// From the key hook's thread to the main thread: Alt+F4 was pressed, end the program.
#define WM_TVAPP_END (WM_APP + 78)

#endif
