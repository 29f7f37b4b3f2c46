// PollRemote: every 100 ms while the receiver is ready. A tick may run nested inside a
// modal loop that an earlier tick opened (the shut-down confirmation, a message box), so
// nothing here holds state across a call that can open one.
#include <windows.h>
#include <string.h>

#include "af15bdaex.h"
#include "app_timer.h"
#include "dispatch.h"
#include "ir_report.h"
#include "key_filter.h"
#include "key_route.h"
#include "mouse.h"
#include "receiver.h"
#include "seams.h"
#include "../profiles/app_windows.h"
#include "../profiles/detection_order.h"
#include "../profiles/profile.h"
#include "../profiles/profile_ops.h"
#include "../ui/shutdown.h"
#include "../ui/switching.h"

// The stick is gone: hand over to the 3-second retry until it is back.
static void EnterWaiting(void)
{
    StopTimer(pollTimer);
    StartTimer(retryTimer);
    receiverReady = 0;
}

static int AnyAppActive(void)
{
    return FirstActiveApp() != 0;
}

static void AnswerConfirmation(int routedKey)
{
    HWND dialog = shutdownDialogWindow;
    SetForegroundWindow(dialog);
    SetActiveWindow(dialog);
    SendMessageA(dialog, WM_KEYDOWN, (WPARAM)ConfirmationKey(routedKey), 0);
}

static int LookForWindow(int index, void *found)
{
    ((HWND *)found)[index] = FindDetectionWindow(index);
    return 0;
}

static int WindowFound(int index, void *found)
{
    return ((HWND *)found)[index] != NULL;
}

// The first running application takes the key and becomes the driven one; else the mouse.
// All nine searches come first, then the results are read in the same order.
static void RunDetectionCascade(int key)
{
    HWND found[TV_APP_COUNT + 1] = { NULL };
    WalkTvApps(LookForWindow, found);
    int index = WalkTvApps(WindowFound, found);
    if (index == 0) {
        EmulateMouse(key);
        return;
    }
    tvApps[index].active = 1;
    DispatchKey(index, (unsigned int)key);
}

void RouteKey(int routedKey, HWND owner)
{
    int activeApp = FirstActiveApp();
    switch (ChooseKeyRoute(routedKey, shutdownDialogOpen, activeApp)) {
    case ROUTE_CONFIRMATION:
        AnswerConfirmation(routedKey);
        break;
    case ROUTE_TOGGLE_POWER:
        TogglePower(activeApp);
        break;
    case ROUTE_DISPATCH_KEY:
        DispatchKey(activeApp, (unsigned int)routedKey);
        break;
    case ROUTE_POWER_DEFAULT:
        PowerDefaultApp();
        break;
    case ROUTE_SHUTDOWN_REQUEST:
        if (NoTvAppWindowPresent())
            ShowShutdownDialog(owner);
        RunDetectionCascade(routedKey);
        break;
    case ROUTE_CASCADE:
        RunDetectionCascade(routedKey);
        break;
    case ROUTE_NOTHING:
        break;
    }
}

void CALLBACK PollRemote(HWND window, UINT, UINT_PTR, DWORD)
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
    int code = AcceptReport(status, report);
    if (code < 0)
        return;
    ClassifyKeyEvent(code, clockTick());
    RouteKey(SuppressRepeat(code, AnyAppActive()), window);
}
