// Routing order of a key: confirmation, active application, Power, shut-down, cascade.
#include <gtest/gtest.h>

#include "core/key_filter.h"
#include "core/key_route.h"

TEST(KeyRoute, RoutingOrderTable)
{
    struct Case {
        int key;
        int confirmationOpen;
        int activeApp;
        KeyRoute expected;
    } cases[] = {
        // An open confirmation beats everything, a held-back repeat included.
        { KEY_POWER, 1, 7, ROUTE_CONFIRMATION },
        { 3, 1, 0, ROUTE_CONFIRMATION },
        { SUPPRESSED_KEY, 1, 2, ROUTE_CONFIRMATION },
        // The active application.
        { KEY_POWER, 0, 5, ROUTE_TOGGLE_POWER },
        { 0, 0, 5, ROUTE_DISPATCH_KEY },
        { KEY_SHUTDOWN_REQUEST, 0, 5, ROUTE_DISPATCH_KEY },
        { SUPPRESSED_KEY, 0, 5, ROUTE_NOTHING },
        // Nothing driven.
        { KEY_POWER, 0, 0, ROUTE_POWER_DEFAULT },
        { KEY_SHUTDOWN_REQUEST, 0, 0, ROUTE_SHUTDOWN_REQUEST },
        { 0, 0, 0, ROUTE_CASCADE },
        { 12, 0, 0, ROUTE_CASCADE },
        { 254, 0, 0, ROUTE_CASCADE },
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.expected, ChooseKeyRoute(c.key, c.confirmationOpen, c.activeApp))
            << "key " << c.key << " confirmation " << c.confirmationOpen << " active " << c.activeApp;
}

TEST(KeyRoute, PowerNeverReachesTheMouse)
{
    for (int active = 0; active <= 9; ++active)
        for (int open = 0; open <= 1; ++open)
            EXPECT_NE(ROUTE_CASCADE, ChooseKeyRoute(KEY_POWER, open, active));
}
