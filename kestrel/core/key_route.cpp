// Routing order: confirmation, driven application, Power, running application, user's
// application, shut-down request, mouse.
#include "core/key_route.h"

#include "core/mouse.h"

KeyDecision DecideKeyRoute(const KeyEvent &key, const KeyFacts &facts)
{
    // Key 11 back from its question goes on to what runs by now, driven or not.
    if (!facts.asked) {
        if (facts.confirmationOpen) {
            // Even a held-back repeat answers it, as Escape.
            int enter = key.code == KEY_POWER && !(facts.activeApp && key.heldBack);
            return { ROUTE_CONFIRMATION, enter ? CONFIRMATION_ENTER : CONFIRMATION_ESCAPE, 0, 1 };
        }
        if (facts.activeApp)
            return { key.code == KEY_POWER ? ROUTE_TOGGLE_POWER : ROUTE_DRIVEN_APP, facts.activeApp, 1,
                     !key.heldBack };
        // A user's application with a line for Power takes it where none of the nine runs.
        if (key.code == KEY_POWER && (facts.runningApp || facts.userApp < 0))
            return { ROUTE_POWER_DEFAULT, facts.defaultApp, 0, 1 };
    }
    if (facts.runningApp)
        return { ROUTE_RUNNING_APP, facts.runningApp, 0, 1 };
    if (facts.userApp >= 0)
        return { ROUTE_USER_APP, facts.userApp, 1,
                 PassesRepeatRule(facts.userRepeatEvery, key.repeatCount, key.isRepeat) };
    if (key.code == KEY_SHUTDOWN_REQUEST)
        return { facts.asked ? ROUTE_ASKED : ROUTE_SHUTDOWN_QUESTION, 0, 0, 1 };
    return { key.code <= MOUSE_LAST_CODE ? ROUTE_MOUSE : ROUTE_NOTHING, 0, 0, 1 };
}
