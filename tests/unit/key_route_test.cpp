// Where a key goes: confirmation, driven application, Power, running application, user's
// application, shut-down request, mouse.
#include <gtest/gtest.h>
#include <stdint.h>

#include "core/key_filter.h"
#include "core/key_route.h"

namespace {

const int DEFAULT_APP = 9;

KeyEvent Press(int code)
{
    return { code, 0, 0, 0 };
}

// A held key's repeat that a driven application does not get.
KeyEvent HeldBack(int code)
{
    return { code, 1, 1, 1 };
}

KeyEvent Repeat(int code, int count, int heldBack)
{
    return { code, 1, count, heldBack };
}

struct Situation {
    int asked, open, active, running, user, every;
};

KeyFacts FactsOf(const Situation &s)
{
    return { s.asked, s.open, s.active, s.running, s.user, s.every, DEFAULT_APP };
}

const Situation NONE = { 0, 0, 0, 0, -1, 0 };

} // namespace

TEST(KeyRoute, RoutingOrderTable)
{
    struct Case {
        KeyEvent key;
        Situation facts;   // asked, open, active, running, user, every
        KeyRoute route;
        int target, thinned, passed;
    } cases[] = {
        // An open confirmation beats everything, a held-back repeat included (as Escape).
        { Press(KEY_POWER), { 0, 1, 7, 0, -1, 0 }, ROUTE_CONFIRMATION, CONFIRMATION_ENTER, 0, 1 },
        { Press(3), { 0, 1, 0, 0, -1, 0 }, ROUTE_CONFIRMATION, CONFIRMATION_ESCAPE, 0, 1 },
        { Press(0), { 0, 1, 0, 4, 2, 1 }, ROUTE_CONFIRMATION, CONFIRMATION_ESCAPE, 0, 1 },
        { Press(KEY_SHUTDOWN_REQUEST), { 0, 1, 0, 0, -1, 0 }, ROUTE_CONFIRMATION, CONFIRMATION_ESCAPE, 0, 1 },
        { HeldBack(KEY_POWER), { 0, 1, 2, 0, -1, 0 }, ROUTE_CONFIRMATION, CONFIRMATION_ESCAPE, 0, 1 },
        { HeldBack(KEY_POWER), { 0, 1, 0, 0, -1, 0 }, ROUTE_CONFIRMATION, CONFIRMATION_ENTER, 0, 1 },
        // The driven application, under its repeat rule; its mark skips the window search.
        { Press(KEY_POWER), { 0, 0, 5, 0, -1, 0 }, ROUTE_TOGGLE_POWER, 5, 1, 1 },
        { HeldBack(KEY_POWER), { 0, 0, 5, 0, -1, 0 }, ROUTE_TOGGLE_POWER, 5, 1, 0 },
        { Press(0), { 0, 0, 5, 0, -1, 0 }, ROUTE_DRIVEN_APP, 5, 1, 1 },
        { Press(KEY_SHUTDOWN_REQUEST), { 0, 0, 5, 0, -1, 0 }, ROUTE_DRIVEN_APP, 5, 1, 1 },
        { HeldBack(0), { 0, 0, 5, 0, -1, 0 }, ROUTE_DRIVEN_APP, 5, 1, 0 },
        { Repeat(0, 10, 0), { 0, 0, 5, 0, -1, 0 }, ROUTE_DRIVEN_APP, 5, 1, 1 },
        { Press(6), { 0, 0, 8, 3, 1, 1 }, ROUTE_DRIVEN_APP, 8, 1, 1 },
        // Power with none driven: the default, unless a user's application takes it where
        // none of the nine runs.
        { Press(KEY_POWER), NONE, ROUTE_POWER_DEFAULT, DEFAULT_APP, 0, 1 },
        { Press(KEY_POWER), { 0, 0, 0, 4, 0, 1 }, ROUTE_POWER_DEFAULT, DEFAULT_APP, 0, 1 },
        { Press(KEY_POWER), { 0, 0, 0, 0, 0, 0 }, ROUTE_USER_APP, 0, 1, 1 },
        // Key 11: a running application, a user's application, else the question.
        { Press(KEY_SHUTDOWN_REQUEST), NONE, ROUTE_SHUTDOWN_QUESTION, 0, 0, 1 },
        { Press(KEY_SHUTDOWN_REQUEST), { 0, 0, 0, 6, 0, 1 }, ROUTE_RUNNING_APP, 6, 0, 1 },
        { Press(KEY_SHUTDOWN_REQUEST), { 0, 0, 0, 0, 1, 1 }, ROUTE_USER_APP, 1, 1, 1 },
        // Back from the question: what runs by now, driven marks and an open question aside.
        { Press(KEY_SHUTDOWN_REQUEST), { 1, 0, 0, 0, -1, 0 }, ROUTE_ASKED, 0, 0, 1 },
        { Press(KEY_SHUTDOWN_REQUEST), { 1, 1, 5, 0, -1, 0 }, ROUTE_ASKED, 0, 0, 1 },
        { Press(KEY_SHUTDOWN_REQUEST), { 1, 0, 5, 1, -1, 0 }, ROUTE_RUNNING_APP, 1, 0, 1 },
        { Press(KEY_SHUTDOWN_REQUEST), { 1, 0, 0, 0, 3, 2 }, ROUTE_USER_APP, 3, 1, 1 },
        // Any other key: the first running application, else a user's application, else the
        // mouse for its codes, else nothing; no repeat rule thins it.
        { Press(6), { 0, 0, 0, 7, 0, 1 }, ROUTE_RUNNING_APP, 7, 0, 1 },
        { HeldBack(6), { 0, 0, 0, 7, -1, 0 }, ROUTE_RUNNING_APP, 7, 0, 1 },
        { Press(6), { 0, 0, 0, 0, 0, 3 }, ROUTE_USER_APP, 0, 1, 1 },
        { Repeat(6, 3, 1), { 0, 0, 0, 0, 0, 3 }, ROUTE_USER_APP, 0, 1, 1 },
        { Repeat(6, 2, 1), { 0, 0, 0, 0, 0, 3 }, ROUTE_USER_APP, 0, 1, 0 },
        { Repeat(6, 10, 0), { 0, 0, 0, 0, 0, 0 }, ROUTE_USER_APP, 0, 1, 0 },
        { Press(0), NONE, ROUTE_MOUSE, 0, 0, 1 },
        { HeldBack(6), NONE, ROUTE_MOUSE, 0, 0, 1 },
        { Press(10), NONE, ROUTE_MOUSE, 0, 0, 1 },
        { Press(12), NONE, ROUTE_NOTHING, 0, 0, 1 },
        { Press(254), NONE, ROUTE_NOTHING, 0, 0, 1 },
    };
    for (const auto &c : cases) {
        KeyDecision decision = DecideKeyRoute(c.key, FactsOf(c.facts));
        const Situation &f = c.facts;
        SCOPED_TRACE(testing::Message() << "key " << c.key.code << " repeat " << c.key.isRepeat << "/"
                                        << c.key.repeatCount << " held back " << c.key.heldBack << " asked "
                                        << f.asked << " open " << f.open << " active " << f.active << " running "
                                        << f.running << " user " << f.user << " every " << f.every);
        EXPECT_EQ(c.route, decision.route);
        EXPECT_EQ(c.target, decision.target);
        EXPECT_EQ(c.thinned, decision.thinned);
        EXPECT_EQ(c.passed, decision.passed);
    }
}

TEST(KeyRoute, PowerNeverReachesTheMouseOrARunningApplication)
{
    for (int active = 0; active <= 9; ++active)
        for (int open = 0; open <= 1; ++open)
            for (int running : { 0, 4 })
                for (int user : { -1, 0 }) {
                    KeyRoute route = DecideKeyRoute(Press(KEY_POWER), FactsOf({ 0, open, active, running, user, 1 })).route;
                    EXPECT_NE(ROUTE_MOUSE, route) << active << open << running << user;
                    EXPECT_NE(ROUTE_RUNNING_APP, route) << active << open << running << user;
                }
}

// A key held for 25 events 110 ms apart, through the filter and the decision.
static int HeldKeyEventsPassed(int active)
{
    ResetKeyFilter();
    int passed = 0;
    for (int i = 0; i < 25; ++i)
        passed += DecideKeyRoute(FilterKeyEvent(8, 1000 + 110u * (uint32_t)i), FactsOf({ 0, 0, active, 0, -1, 0 })).passed;
    return passed;
}

TEST(KeyRoute, OnlyADrivenApplicationThinsAHeldKey)
{
    EXPECT_EQ(3, HeldKeyEventsPassed(5));
    EXPECT_EQ(25, HeldKeyEventsPassed(0));
}
