// kestrel.exe started as a user would, the virtual stick unplugged and plugged back
// with the virtual remote, observed from outside through the receiver's call counters.
#include "e2e_kestrel_fixture.h"
#include "win_support.h"

class StickCycle : public KestrelE2e {};

TEST_F(StickCycle, UnplugAndReplugSwitchBetweenRetryAndPolling)
{
    StartKestrel(KESTREL_WINDOW);
    // Unplugged at start: one open attempt, then nothing reads the receiver.
    ASSERT_TRUE(WaitFor([] { return StickSnapshot().initCalls >= 1; }, 5000));
    PumpFor(400);
    EXPECT_EQ(0u, StickSnapshot().getIrCalls);

    DWORD plugged = GetTickCount();
    Remote("plug");
    ASSERT_TRUE(WaitFor([] { return StickSnapshot().getIrCalls > 0; }, 4500));
    EXPECT_LE(GetTickCount() - plugged, 3500u) << "a replug is noticed by the 3-second retry";
    EXPECT_GE(StickSnapshot().initSuccesses, 1u);

    // Polling runs ten times a second.
    DWORD reads = StickSnapshot().getIrCalls;
    PumpFor(1000);
    DWORD perSecond = StickSnapshot().getIrCalls - reads;
    EXPECT_GE(perSecond, 7u);
    EXPECT_LE(perSecond, 12u);

    Remote("unplug");
    PumpFor(300);
    reads = StickSnapshot().getIrCalls;
    DWORD closes = StickSnapshot().exitCalls;
    PumpFor(500);
    EXPECT_EQ(reads, StickSnapshot().getIrCalls) << "polling stops once the stick is gone";
    // A retry that finds no stick does not try to open it, it closes the receiver.
    ASSERT_TRUE(WaitFor([&] { return StickSnapshot().exitCalls > closes; }, 4000)) << "the retry runs";

    plugged = GetTickCount();
    Remote("plug");
    ASSERT_TRUE(WaitFor([&] { return StickSnapshot().getIrCalls > reads; }, 4500));
    EXPECT_LE(GetTickCount() - plugged, 3500u);
}

TEST_F(StickCycle, FailingOpenKeepsRetryingAndClosesEachTime)
{
    Remote("fault initfail plug");
    StartKestrel(KESTREL_WINDOW);
    ASSERT_TRUE(WaitFor([] { return StickSnapshot().initCalls >= 2; }, 5000));
    StickState stick = StickSnapshot();
    EXPECT_EQ(0u, stick.initSuccesses);
    EXPECT_EQ(0u, stick.getIrCalls);
    EXPECT_GE(stick.exitCalls, stick.initCalls);

    Remote("fault none");
    ASSERT_TRUE(WaitFor([] { return StickSnapshot().getIrCalls > 0; }, 4500));
}

TEST_F(StickCycle, SecondInstanceEndsAtOnce)
{
    Remote("plug");
    StartKestrel(KESTREL_WINDOW);
    DWORD started = GetTickCount();
    EXPECT_EQ(0, RunProgram("kestrel.exe", "", 10000));
    EXPECT_LT(GetTickCount() - started, 5000u);
    EXPECT_TRUE(WaitForSingleObject(kestrel, 0) == WAIT_TIMEOUT) << "the first instance runs on";
}

TEST_F(StickCycle, ClosingTheWindowEndsTheProgramWithCodeZero)
{
    Remote("plug");
    StartKestrel(KESTREL_WINDOW);
    PostMessageA(FindWindowA("Remote Control", NULL), WM_CLOSE, 0, 0);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(kestrel, 5000));
    EXPECT_EQ(0u, KestrelExitCode());
}
