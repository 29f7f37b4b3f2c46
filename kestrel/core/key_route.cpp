// Routing order: confirmation, active application, Power, shut-down request, cascade.
#include "core/key_route.h"

#include "core/key_filter.h"

KeyRoute ChooseKeyRoute(int routedKey, int confirmationOpen, int activeApp)
{
    // While the confirmation is open even a held-back repeat answers it (as Escape).
    if (confirmationOpen)
        return ROUTE_CONFIRMATION;
    if (activeApp) {
        if (routedKey == KEY_POWER)
            return ROUTE_TOGGLE_POWER;
        if (routedKey == SUPPRESSED_KEY)
            return ROUTE_NOTHING;
        return ROUTE_DISPATCH_KEY;
    }
    if (routedKey == SUPPRESSED_KEY)
        return ROUTE_NOTHING;
    if (routedKey == KEY_SHUTDOWN_REQUEST)
        return ROUTE_SHUTDOWN_REQUEST;
    if (routedKey == KEY_POWER)
        return ROUTE_POWER_DEFAULT;
    return ROUTE_CASCADE;
}
