// Report acceptance, repeat classification and the repeats a driven application gets.
#include <gtest/gtest.h>
#include <stdint.h>
#include <vector>

#include "core/key_filter.h"

namespace {

struct ReportCase {
    unsigned char status;
    unsigned char report[IR_REPORT_BYTES];
    int expected;
};

} // namespace

TEST(KeyFilter, AcceptsOnlyStatusOneRemoteSevenAndARealKey)
{
    const ReportCase cases[] = {
        { 1, { 7, 0, 5, 0, 0, 0, 0, 0 }, 5 },
        { 1, { 6, 0, 5, 0, 0, 0, 0, 0 }, -1 },       // another remote
        { 0, { 7, 0, 5, 0, 0, 0, 0, 0 }, -1 },       // no event
        { 2, { 7, 0, 5, 0, 0, 0, 0, 0 }, -1 },
        { 1, { 7, 0, 0xFF, 0, 0, 0, 0, 0 }, -1 },    // no key
        { 1, { 7, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF }, 0 },
        { 1, { 7, 0, 254, 0, 0, 0, 0, 0 }, 254 },
        { 1, { 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF }, -1 },  // untouched buffer
    };
    for (const ReportCase &c : cases)
        EXPECT_EQ(c.expected, AcceptReport(c.status, c.report))
            << "status " << int(c.status) << " byte0 " << int(c.report[0]) << " byte2 " << int(c.report[2]);
}

TEST(KeyFilter, RepeatWindowEndsAt250Milliseconds)
{
    ResetKeyFilter();
    KeyEvent event = FilterKeyEvent(6, 1000);
    EXPECT_EQ(0, event.isRepeat);
    EXPECT_EQ(6, event.code);
    event = FilterKeyEvent(6, 1249);
    EXPECT_EQ(1, event.isRepeat);
    EXPECT_EQ(1, event.repeatCount);
    event = FilterKeyEvent(6, 1249 + 249);
    EXPECT_EQ(1, event.isRepeat) << "a repeat leaves the pointer acceleration alone";
    EXPECT_EQ(2, event.repeatCount);

    event = FilterKeyEvent(6, 1498 + 250);
    EXPECT_EQ(0, event.isRepeat) << "a new press starts the pointer slow";
    EXPECT_EQ(0, event.repeatCount);
    EXPECT_EQ(1, FilterKeyEvent(6, 1748 + 249).isRepeat) << "measured from the new press at 1748";
}

TEST(KeyFilter, WindowIsMeasuredFromThePreviousEventNotTheFirst)
{
    ResetKeyFilter();
    uint32_t now = 5000;
    FilterKeyEvent(2, now);
    for (int i = 1; i <= 30; ++i) {
        now += 200;
        KeyEvent event = FilterKeyEvent(2, now);
        EXPECT_EQ(1, event.isRepeat);
        EXPECT_EQ(i, event.repeatCount);
    }
}

TEST(KeyFilter, AnotherCodeIsANewPressEvenAtOnce)
{
    ResetKeyFilter();
    FilterKeyEvent(2, 100);
    FilterKeyEvent(2, 200);
    KeyEvent event = FilterKeyEvent(8, 210);
    EXPECT_EQ(0, event.isRepeat);
    EXPECT_EQ(0, event.repeatCount);
    EXPECT_EQ(1, FilterKeyEvent(8, 220).isRepeat) << "8 is the key held now";
}

TEST(KeyFilter, TickCounterWrapKeepsAHeldKeyHeld)
{
    ResetKeyFilter();
    FilterKeyEvent(4, 0xFFFFFF00u);
    EXPECT_EQ(0, FilterKeyEvent(4, 0x00000030u).isRepeat) << "0x130 = 304 ms later: a new press";
    EXPECT_EQ(0, FilterKeyEvent(4, 0xFFFFFFF0u).isRepeat) << "far away in the other direction";
    KeyEvent event = FilterKeyEvent(4, 0x000000E9u);   // 249 ms after, across the wrap
    EXPECT_EQ(1, event.isRepeat);
    EXPECT_EQ(1, event.repeatCount);
    EXPECT_EQ(0, FilterKeyEvent(4, 0x000000E9u + 250).isRepeat);
}

TEST(KeyFilter, AResetFilterTakesTheNextKeyAsANewPress)
{
    FilterKeyEvent(9, 100);
    ResetKeyFilter();
    EXPECT_EQ(0, FilterKeyEvent(9, 150).isRepeat);
}

// Events of one key held for n events 110 ms apart; returns how many a driven application gets.
static int HeldKeyEventsNotHeldBack(int events, uint32_t start)
{
    ResetKeyFilter();
    int passed = 0;
    for (int i = 0; i < events; ++i) {
        if (!FilterKeyEvent(8, start + 110u * (uint32_t)i).heldBack)
            ++passed;
    }
    return passed;
}

TEST(KeyFilter, DrivenApplicationGetsEveryTenthRepeat)
{
    EXPECT_EQ(3, HeldKeyEventsNotHeldBack(25, 1000));
    EXPECT_EQ(3, HeldKeyEventsNotHeldBack(25, 0xFFFFFF00u)) << "across the tick counter's wrap";
    EXPECT_EQ(1, HeldKeyEventsNotHeldBack(10, 1000));
    EXPECT_EQ(2, HeldKeyEventsNotHeldBack(11, 1000));
}

TEST(KeyFilter, WhichHeldEventsReachTheApplication)
{
    ResetKeyFilter();
    std::vector<int> reached;
    for (int i = 1; i <= 25; ++i) {
        if (!FilterKeyEvent(3, 100u * (uint32_t)i).heldBack)
            reached.push_back(i);
    }
    EXPECT_EQ((std::vector<int>{ 1, 11, 21 }), reached);
}
