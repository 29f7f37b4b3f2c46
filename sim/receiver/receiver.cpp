// Virtual receiver library: hands out the virtual remote's key events one per read.
#define AF15_BUILDING_LIBRARY
#include <windows.h>
#include <string.h>

#include "../../kestrel/core/af15bdaex.h"
#include "stick_state.h"

unsigned char __stdcall af15_init(void)
{
    StickState *state = OpenStickState();
    if (!state)
        return 0;
    // Opening fails while the stick is unplugged or the test says so.
    int plugged = StickPluggedIn();
    LockStick(state);
    state->initCalls++;
    state->lastInitTick = GetTickCount();
    int ok = plugged && !state->initFails && !(state->initFailsAlternately && state->initCalls % 2 == 1);
    if (ok) {
        state->initSuccesses++;
        state->open = 1;
    }
    UnlockStick(state);
    return (unsigned char)ok;
}

unsigned char __stdcall af15_GetIR(unsigned char *report)
{
    StickState *state = OpenStickState();
    if (!state || !report)
        return 0;
    unsigned char status = 0;
    LockStick(state);
    DWORD stall = 0;
    if (state->stallReads > 0) {
        state->stallReads--;
        stall = state->stallMs;
    }
    UnlockStick(state);
    // A hung device answers late; the lock is free meanwhile, so the remote can queue keys.
    if (stall)
        Sleep(stall);
    LockStick(state);
    state->getIrCalls++;
    DWORD now = GetTickCount();
    state->lastGetIrTick = now;
    if (state->open && state->count > 0) {
        StickEvent &event = state->queue[state->head];
        if ((LONG)(now - event.due) >= 0) {
            size_t written = event.reportBytes ? event.reportBytes : sizeof event.report;
            memcpy(report, event.report, written < sizeof event.report ? written : sizeof event.report);
            status = event.status;
            state->head = (state->head + 1) % STICK_QUEUE_SIZE;
            state->count--;
            state->eventsDelivered++;
        }
    }
    UnlockStick(state);
    return status;
}

unsigned char __stdcall af15_exit(void)
{
    StickState *state = OpenStickState();
    if (!state)
        return 0;
    LockStick(state);
    state->exitCalls++;
    state->open = 0;
    UnlockStick(state);
    return 1;
}
