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
#include "core/user_keymap_watch.h"
#include "core/user_route.h"
#include "profiles/app_windows.h"
#include "profiles/catalogue.h"
#include "profiles/detection_order.h"
#include "profiles/profile.h"
#include "profiles/profile_ops.h"
#include "settings/settings.h"
#include "settings/switching.h"
#include "ui/code_viewer.h"
#include "ui/shutdown.h"

AppTimer pollTimer(POLL_TIMER_ID, PollRemote);

static void AnswerConfirmation(int routedKey)
{
    HWND dialog = shutdownDialogWindow;
    SetForegroundWindow(dialog);
    SetActiveWindow(dialog);
    SendMessageA(dialog, WM_KEYDOWN, (WPARAM)ConfirmationKey(routedKey), 0);
}

static const char *AppName(int index)
{
    const TvAppEntry *entry = CatalogueEntry(index);
    return entry ? entry->menuText : "nothing";
}

// Tells the code viewer where a key went; thinned: under a driven application's repeat rule.
static void TraceKey(int routedKey, const char *where, int thinned, int passed)
{
    ShowCodeEvent(routedKey == SUPPRESSED_KEY ? lastKeyCode : routedKey,
                  KindOfCodeEvent(keyIsRepeat, thinned, passed), where);
}

// The first running application takes the key and becomes the driven one; else a user's
// application; else the mouse. All nine searches come first, then the results are read in
// the same order. traced: the viewer has the key already.
static void RunDetectionCascade(int key, int traced)
{
    HWND found[TV_APP_COUNT + 1] = { NULL };
    WalkTvApps([&](int index) {
        found[index] = FindDetectionWindow(index);
        return false;
    });
    int index = WalkTvApps([&](int index) { return found[index] != NULL; });
    if (index == 0) {
        if (DriveUserApp(key))
            return;
        if (!traced)
            TraceKey(key, key <= 10 ? "the mouse" : "nothing", 0, 1);
        EmulateMouse(key);
        return;
    }
    TraceKey(key, AppName(index), 0, 1);
    tvApps[index].active = 1;
    DispatchKey(index, (unsigned int)key);
}

void RouteKey(int routedKey, HWND owner)
{
    int activeApp = FirstActiveApp();
    switch (ChooseKeyRoute(routedKey, shutdownDialogOpen, activeApp)) {
    case ROUTE_CONFIRMATION:
        TraceKey(routedKey, "the shut-down question", 0, 1);
        AnswerConfirmation(routedKey);
        break;
    case ROUTE_TOGGLE_POWER:
        TraceKey(routedKey, AppName(activeApp), 1, 1);
        // A launch is watched whether or not anything started: the watcher gives a starting
        // application time.
        if (TogglePower(activeApp, defaultTvApp))
            StartTimer(watchTimer);
        break;
    case ROUTE_DISPATCH_KEY:
        TraceKey(routedKey, AppName(activeApp), 1, 1);
        DispatchKey(activeApp, (unsigned int)routedKey);
        break;
    case ROUTE_POWER_DEFAULT:
        // A user's application with a line for Power takes it where none of the nine runs.
        if (NoTvAppWindowPresent() && DriveUserApp(routedKey))
            break;
        TraceKey(routedKey, AppName(defaultTvApp), 0, 1);
        if (PowerDefaultApp())
            StartTimer(watchTimer);
        break;
    case ROUTE_SHUTDOWN_REQUEST:
        if (NoTvAppWindowPresent()) {
            if (DriveUserApp(routedKey))
                break;
            TraceKey(routedKey, "the shut-down question", 0, 1);
            ShowShutdownDialog(owner);
            RunDetectionCascade(routedKey, 1);
            break;
        }
        RunDetectionCascade(routedKey, 0);
        break;
    case ROUTE_CASCADE:
        RunDetectionCascade(routedKey, 0);
        break;
    case ROUTE_NOTHING:
        TraceKey(routedKey, activeApp ? AppName(activeApp) : "nothing", 1, 0);
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
    WatchUserKeymaps();

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
