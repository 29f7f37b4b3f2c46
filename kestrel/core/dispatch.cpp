// PollRemote: every 100 ms while the receiver is ready. A tick may run nested inside a
// modal loop that an earlier tick opened (the shut-down confirmation, a message box), so
// nothing here holds state across a call that can open one.
#include "core/dispatch.h"

#include <string.h>

#include "base/seams.h"
#include "core/af15bdaex.h"
#include "core/ir_report.h"
#include "core/key_delivery.h"
#include "core/key_route.h"
#include "core/reach_notice.h"
#include "core/receiver.h"
#include "core/user_keymap_watch.h"
#include "profiles/app_windows.h"
#include "profiles/catalogue.h"
#include "profiles/detection_order.h"
#include "profiles/profile_ops.h"
#include "profiles/user_app_windows.h"
#include "profiles/user_keymaps.h"
#include "settings/settings.h"
#include "ui/code_viewer.h"
#include "ui/shutdown.h"

AppTimer pollTimer(POLL_TIMER_ID, PollRemote);

// All nine searches, always; the first found in detection order runs.
static int FirstRunningApp(void)
{
    int first = 0;
    WalkTvApps([&first](int index) {
        if (FindDetectionWindow(index) && !first)
            first = index;
        return false;
    });
    return first;
}

// Windows are looked for only where the decision reads them.
static KeyFacts GatherKeyFacts(int code, int asked, HWND *userWindow)
{
    KeyFacts facts = { asked, shutdownDialogOpen, FirstActiveApp(), 0, -1, 0, defaultTvApp };
    if (!asked && (facts.confirmationOpen || facts.activeApp))
        return facts;
    facts.runningApp = FirstRunningApp();
    // Without a key-map file a key costs no window walk.
    if (facts.runningApp || userAppCount == 0)
        return facts;
    int index = FindUserApp(userWindow);
    if (index >= 0 && UserAppMapsCode(userApps[index], (unsigned int)code)) {
        facts.userApp = index;
        facts.userRepeatEvery = userApps[index].repeatEvery;
    }
    return facts;
}

// Where the code viewer says a key went.
static const char *Destination(const KeyDecision &decision)
{
    if (decision.route == ROUTE_CONFIRMATION || decision.route == ROUTE_SHUTDOWN_QUESTION)
        return "the shut-down question";
    if (decision.route == ROUTE_USER_APP)
        return userApps[decision.target].name;
    if (decision.route == ROUTE_MOUSE)
        return "the mouse";
    // A TV application's name; "nothing" for none (target 0).
    const TvAppEntry *entry = CatalogueEntry(decision.target);
    return entry ? entry->menuText : "nothing";
}

void RouteKey(const KeyEvent &key, HWND owner)
{
    int asked = 0;
    do {
        HWND userWindow = NULL;
        KeyDecision decision = DecideKeyRoute(key, GatherKeyFacts(key.code, asked, &userWindow));
        // The line goes first: a delivery may open a modal loop whose ticks add their own.
        // Key 11's line came before its question.
        if (decision.route != ROUTE_ASKED)
            ShowCodeEvent(key.code, KindOfCodeEvent(key.isRepeat, decision.thinned, decision.passed),
                          Destination(decision));
        DeliverKey(key, decision, owner, userWindow);
        // The question was modal: key 11 then goes on to what runs by now.
        asked = decision.route == ROUTE_SHUTDOWN_QUESTION;
    } while (asked);
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
    RouteKey(FilterKeyEvent(code, clockTick()), window);
}
