// The one place where a decided key acts. The confirmation runs modally here: the ticks of
// its loop deliver their own keys meanwhile.
#include "core/key_delivery.h"

#include "core/launch_watch.h"
#include "core/mouse.h"
#include "profiles/key_interpreter.h"
#include "profiles/profile.h"
#include "profiles/profile_ops.h"
#include "profiles/user_keymaps.h"
#include "settings/settings.h"
#include "settings/switching.h"
#include "ui/shutdown.h"

void DeliverKey(const KeyEvent &key, const KeyDecision &decision, HWND owner, HWND userWindow)
{
    // A new press starts the pointer slow again, wherever it goes.
    if (!key.isRepeat)
        ResetPointerSteps();
    if (!decision.passed)
        return;
    int target = decision.target;
    unsigned int code = (unsigned int)key.code;
    switch (decision.route) {
    case ROUTE_CONFIRMATION:
        SetForegroundWindow(shutdownDialogWindow);
        SetActiveWindow(shutdownDialogWindow);
        SendMessageA(shutdownDialogWindow, WM_KEYDOWN, (WPARAM)target, 0);
        break;
    case ROUTE_TOGGLE_POWER:
        // A launch is watched whether or not anything started: the watcher gives a starting
        // application time.
        if (TogglePower(target, defaultTvApp))
            StartTimer(watchTimer);
        break;
    case ROUTE_RUNNING_APP:
        tvApps[target].active = 1;
        [[fallthrough]];
    case ROUTE_DRIVEN_APP:
        DispatchKey(target, code);
        break;
    case ROUTE_POWER_DEFAULT:
        if (PowerDefaultApp())
            StartTimer(watchTimer);
        break;
    case ROUTE_USER_APP:
        RunUserKeyMap(userWindow, userApps[target].map, code);
        break;
    case ROUTE_SHUTDOWN_QUESTION:
        ShowShutdownDialog(owner);
        break;
    case ROUTE_MOUSE:
        EmulateMouse(key.code);
        break;
    default:
        break;
    }
}
