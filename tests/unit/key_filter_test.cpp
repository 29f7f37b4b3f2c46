// Report acceptance, repeat classification and suppression of held keys.
#include <gtest/gtest.h>
#include <stdint.h>
#include <vector>

#include "core/key_filter.h"

namespace {

void ResetRepeatState()
{
    lastKeyCode = 0;
    lastKeyTick = 0;
    repeatCount = 0;
    keyIsRepeat = false;
}

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
    ResetRepeatState();
    EXPECT_EQ(0, ClassifyKeyEvent(6, 1000));
    EXPECT_FALSE(keyIsRepeat);
    EXPECT_EQ(1, ClassifyKeyEvent(6, 1249));
    EXPECT_TRUE(keyIsRepeat);
    EXPECT_EQ(1, repeatCount);
    EXPECT_EQ(1, ClassifyKeyEvent(6, 1249 + 249)) << "a repeat leaves the pointer acceleration alone";
    EXPECT_TRUE(keyIsRepeat);
    EXPECT_EQ(2, repeatCount);

    EXPECT_EQ(0, ClassifyKeyEvent(6, 1498 + 250)) << "a new press starts the pointer slow";
    EXPECT_FALSE(keyIsRepeat);
    EXPECT_EQ(0, repeatCount);
    EXPECT_EQ(1748u, lastKeyTick);
}

TEST(KeyFilter, WindowIsMeasuredFromThePreviousEventNotTheFirst)
{
    ResetRepeatState();
    uint32_t now = 5000;
    ClassifyKeyEvent(2, now);
    for (int i = 1; i <= 30; ++i) {
        now += 200;
        ClassifyKeyEvent(2, now);
        EXPECT_TRUE(keyIsRepeat);
        EXPECT_EQ(i, repeatCount);
    }
}

TEST(KeyFilter, AnotherCodeIsANewPressEvenAtOnce)
{
    ResetRepeatState();
    ClassifyKeyEvent(2, 100);
    ClassifyKeyEvent(2, 200);
    EXPECT_EQ(0, ClassifyKeyEvent(8, 210));
    EXPECT_FALSE(keyIsRepeat);
    EXPECT_EQ(0, repeatCount);
    EXPECT_EQ(8, lastKeyCode);
}

TEST(KeyFilter, TickCounterWrapKeepsAHeldKeyHeld)
{
    ResetRepeatState();
    ClassifyKeyEvent(4, 0xFFFFFF00u);
    ClassifyKeyEvent(4, 0x00000030u);   // 0x130 = 304 ms later: a new press
    EXPECT_FALSE(keyIsRepeat);
    ClassifyKeyEvent(4, 0xFFFFFFF0u);   // far away in the other direction: new press
    EXPECT_FALSE(keyIsRepeat);
    ClassifyKeyEvent(4, 0x000000E9u);   // 249 ms after, across the wrap
    EXPECT_TRUE(keyIsRepeat);
    EXPECT_EQ(1, repeatCount);
    ClassifyKeyEvent(4, 0x000000E9u + 250);
    EXPECT_FALSE(keyIsRepeat);
}

// Events of one key held for n events 110 ms apart; returns how many got through.
static int HeldKeyEventsRouted(int events, int anyAppActive, uint32_t start)
{
    ResetRepeatState();
    int routed = 0;
    for (int i = 0; i < events; ++i) {
        ClassifyKeyEvent(8, start + 110u * (uint32_t)i);
        if (SuppressRepeat(8, anyAppActive) == 8)
            ++routed;
    }
    return routed;
}

TEST(KeyFilter, DrivenApplicationGetsEveryTenthRepeat)
{
    EXPECT_EQ(3, HeldKeyEventsRouted(25, 1, 1000));
    EXPECT_EQ(3, HeldKeyEventsRouted(25, 1, 0xFFFFFF00u)) << "across the tick counter's wrap";
    EXPECT_EQ(25, HeldKeyEventsRouted(25, 0, 1000));
    EXPECT_EQ(1, HeldKeyEventsRouted(10, 1, 1000));
    EXPECT_EQ(2, HeldKeyEventsRouted(11, 1, 1000));
}

TEST(KeyFilter, WhichHeldEventsReachTheApplication)
{
    ResetRepeatState();
    std::vector<int> reached;
    for (int i = 1; i <= 25; ++i) {
        ClassifyKeyEvent(3, 100u * (uint32_t)i);
        if (SuppressRepeat(3, 1) != SUPPRESSED_KEY)
            reached.push_back(i);
    }
    EXPECT_EQ((std::vector<int>{ 1, 11, 21 }), reached);
}

TEST(KeyFilter, ConfirmationGetsEnterForPowerAndEscapeOtherwise)
{
    EXPECT_EQ(13, ConfirmationKey(KEY_POWER));
    EXPECT_EQ(27, ConfirmationKey(0));
    EXPECT_EQ(27, ConfirmationKey(SUPPRESSED_KEY));
    EXPECT_EQ(27, ConfirmationKey(KEY_SHUTDOWN_REQUEST));
}
