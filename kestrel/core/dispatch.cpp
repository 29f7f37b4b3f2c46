// PollRemote: every 100 ms while the receiver is ready.
#include <windows.h>
#include <string.h>

#include "af15bdaex.h"
#include "app_timer.h"
#include "dispatch.h"
#include "receiver.h"

enum { IR_REPORT_BYTES = 8, REMOTE_ID = 7, NO_KEY = 0xFF };

// The stick is gone: hand over to the 3-second retry until it is back.
static void EnterWaiting(void)
{
    StopTimer(pollTimer);
    StartTimer(retryTimer);
    receiverReady = 0;
}

void CALLBACK PollRemote(HWND, UINT, UINT_PTR, DWORD)
{
    if (!IsReceiverPresent()) {
        EnterWaiting();
        return;
    }
    ReleaseReceiverCheck();

    unsigned char report[IR_REPORT_BYTES];
    // The library may leave bytes untouched; those must read as "no key".
    memset(report, 0xFF, sizeof report);
    unsigned char status = af15_GetIR(report);
    if (status != 1 || report[2] == NO_KEY || report[0] != REMOTE_ID)
        return;
}
