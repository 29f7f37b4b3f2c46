// State of the virtual stick shared by the virtual receiver (inside the program under
// test) and the virtual remote: a file-backed mapping in the prefix's Windows folder,
// so it outlives either process and each test prefix has its own.
#ifndef SIM_STICK_STATE_H
#define SIM_STICK_STATE_H

#include <windows.h>

enum { STICK_QUEUE_SIZE = 512, STICK_MAGIC = 0x4B435453 };

// One report as the receiver hands it out, due at a tick of GetTickCount.
struct StickEvent {
    DWORD due;
    BYTE status;
    BYTE report[8];
    // Bytes of the report the receiver writes, from byte 0; 0 writes all 8. A real
    // library may leave the rest untouched.
    BYTE reportBytes;
    BYTE unused[2];
};

struct StickState {
    DWORD magic;
    volatile LONG lock;
    // Faults: af15_init fails while set.
    DWORD initFails;
    // Counters of the library's calls, for tests and the demo to observe from outside.
    DWORD initCalls;
    DWORD initSuccesses;
    DWORD exitCalls;
    DWORD getIrCalls;
    DWORD eventsDelivered;
    DWORD lastInitTick;
    DWORD lastGetIrTick;
    DWORD open;
    // Pending events, oldest first.
    DWORD head;
    DWORD count;
    StickEvent queue[STICK_QUEUE_SIZE];
    // Misbehaviour: every other open fails (the first of each pair); the next reads, as many
    // as stallReads says, each take stallMs before they answer.
    DWORD initFailsAlternately;
    DWORD stallReads;
    DWORD stallMs;
};

// Maps the shared state, creating it zeroed on first use; NULL on failure. Kept mapped.
StickState *OpenStickState(void);
void LockStick(StickState *state);
void UnlockStick(StickState *state);
// 1 when the virtual tuner's "AF9015 BDA Filter" is registered (the stick is plugged in).
int StickPluggedIn(void);

#endif
