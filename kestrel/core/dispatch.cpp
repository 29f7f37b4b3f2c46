// PollRemote: every 100 ms while the receiver is ready. A tick may run nested inside a
// modal loop that an earlier tick opened (the shut-down confirmation, a message box), so
// nothing here holds state across a call that can open one.
#include "core/dispatch.h"

#include <string.h>

#include "base/seams.h"
#include "core/af15bdaex.h"
#include "core/ir_report.h"
#include "core/key_filter.h"
#include "core/key_route.h"
#include "core/launch_watch.h"
#include "core/mouse.h"
#include "core/pointer_steps.h"
#include "core/reach_notice.h"
#include "core/receiver.h"
#include "profiles/app_windows.h"
#include "profiles/detection_order.h"
#include "profiles/profile.h"
#include "profiles/profile_ops.h"
#include "ui/settings.h"
#include "ui/shutdown.h"
#include "ui/switching.h"

AppTimer pollTimer(POLL_TIMER_ID, PollRemote);

static void AnswerConfirmation(int routedKey)
{
    HWND dialog = shutdownDialogWindow;
    SetForegroundWindow(dialog);
    SetActiveWindow(dialog);
    SendMessageA(dialog, WM_KEYDOWN, (WPARAM)ConfirmationKey(routedKey), 0);
}

// The first running application takes the key and becomes the driven one; else the mouse.
// All nine searches come first, then the results are read in the same order.
static void RunDetectionCascade(int key)
{
    HWND found[TV_APP_COUNT + 1] = { NULL };
    WalkTvApps([&](int index) {
        found[index] = FindDetectionWindow(index);
        return false;
    });
    int index = WalkTvApps([&](int index) { return found[index] != NULL; });
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
        // A launch is watched whether or not anything started: the watcher gives a starting
        // application time.
        if (TogglePower(activeApp, defaultTvApp))
            StartTimer(watchTimer);
        break;
    case ROUTE_DISPATCH_KEY:
        DispatchKey(activeApp, (unsigned int)routedKey);
        break;
    case ROUTE_POWER_DEFAULT:
        if (PowerDefaultApp())
            StartTimer(watchTimer);
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
    TellUnreachableApps();
}

void CALLBACK PollRemote(HWND window, UINT, UINT_PTR, DWORD)
{
    if (!IsReceiverPresent()) {
        // The stick is gone: the 3-second retry takes over until it is back.
        WaitForReceiver(pollTimer);
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
    // A new press starts the pointer slow again.
    if (!ClassifyKeyEvent(code, clockTick()))
        ResetPointerSteps();
    RouteKey(SuppressRepeat(code, FirstActiveApp() != 0), window);
}
