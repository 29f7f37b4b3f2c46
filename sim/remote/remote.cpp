// Virtual remote: queues key events for the virtual receiver and plugs the virtual stick.
//
//   remote press CODE | hold CODE N [INTERVAL_MS] | pause MS | raw STATUS B0..B7
//          plug | unplug | fault initfail|alternate|none | stall MS READS | flush | drain TIMEOUT_MS | status
//
// Commands run left to right; events are timed one after another from now.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "stick_state.h"
#include "stick_plug.h"

enum { REPEAT_INTERVAL_MS = 110 };

static StickState *state;
static DWORD cursor;

static int ParseNumber(const char *text, long low, long high, long *value)
{
    char *end = NULL;
    long parsed = strtol(text, &end, 0);
    if (!text[0] || *end || parsed < low || parsed > high)
        return 0;
    *value = parsed;
    return 1;
}

static int Enqueue(BYTE status, const BYTE report[8])
{
    LockStick(state);
    int ok = state->count < STICK_QUEUE_SIZE;
    if (ok) {
        StickEvent &event = state->queue[(state->head + state->count) % STICK_QUEUE_SIZE];
        event.due = cursor;
        event.status = status;
        memcpy(event.report, report, 8);
        event.reportBytes = 0;
        state->count++;
    }
    UnlockStick(state);
    if (!ok)
        fprintf(stderr, "remote: event queue full\n");
    return ok;
}

// A report as this remote sends it: identification 7, the key code in byte 2.
static int EnqueueKey(BYTE code)
{
    BYTE report[8] = { 7, 0xF8, code, (BYTE)~code, 0, 0, 0, 0 };
    return Enqueue(1, report);
}

static void PrintStatus(void)
{
    LockStick(state);
    StickState copy = *state;
    UnlockStick(state);
    printf("plugged=%d open=%lu initCalls=%lu initSuccesses=%lu exitCalls=%lu getIrCalls=%lu "
           "eventsDelivered=%lu pending=%lu lastInitTick=%lu lastGetIrTick=%lu now=%lu\n",
           StickPluggedIn(), copy.open, copy.initCalls, copy.initSuccesses, copy.exitCalls,
           copy.getIrCalls, copy.eventsDelivered, copy.count, copy.lastInitTick,
           copy.lastGetIrTick, GetTickCount());
}

static int Drain(DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        LockStick(state);
        DWORD pending = state->count;
        UnlockStick(state);
        if (pending == 0)
            return 1;
        if (GetTickCount() - start >= timeoutMs) {
            fprintf(stderr, "remote: %lu events still pending\n", pending);
            return 0;
        }
        Sleep(10);
    }
}

static int Usage(void)
{
    fprintf(stderr, "usage: remote press CODE | hold CODE N [INTERVAL_MS] | pause MS | "
                    "raw STATUS B0..B7 | plug | unplug | fault initfail|alternate|none | stall MS READS | flush | "
                    "drain TIMEOUT_MS | status ...\n");
    return 2;
}

int main(int argc, char **argv)
{
    state = OpenStickState();
    if (!state) {
        fprintf(stderr, "remote: cannot open the stick's state\n");
        return 1;
    }
    // New events follow those still pending, a repeat interval after the last one.
    cursor = GetTickCount();
    LockStick(state);
    if (state->count > 0) {
        DWORD last = state->queue[(state->head + state->count - 1) % STICK_QUEUE_SIZE].due;
        if ((LONG)(last + REPEAT_INTERVAL_MS - cursor) > 0)
            cursor = last + REPEAT_INTERVAL_MS;
    }
    UnlockStick(state);

    if (argc < 2)
        return Usage();
    for (int i = 1; i < argc; ++i) {
        const char *command = argv[i];
        long a = 0, b = 0, c = REPEAT_INTERVAL_MS;
        if (strcmp(command, "press") == 0 && i + 1 < argc && ParseNumber(argv[i + 1], 0, 255, &a)) {
            if (!EnqueueKey((BYTE)a))
                return 1;
            cursor += REPEAT_INTERVAL_MS;
            i += 1;
        } else if (strcmp(command, "hold") == 0 && i + 2 < argc
                   && ParseNumber(argv[i + 1], 0, 255, &a)
                   && ParseNumber(argv[i + 2], 1, STICK_QUEUE_SIZE, &b)) {
            i += 2;
            if (i + 1 < argc && ParseNumber(argv[i + 1], 1, 10000, &c))
                i += 1;
            for (long n = 0; n < b; ++n) {
                if (!EnqueueKey((BYTE)a))
                    return 1;
                cursor += (DWORD)c;
            }
            // The next key follows at the ordinary spacing, not the hold's.
            cursor += REPEAT_INTERVAL_MS - (DWORD)c;
        } else if (strcmp(command, "pause") == 0 && i + 1 < argc
                   && ParseNumber(argv[i + 1], 0, 600000, &a)) {
            cursor += (DWORD)a;
            i += 1;
        } else if (strcmp(command, "raw") == 0 && i + 9 < argc) {
            BYTE report[8];
            long status = 0;
            if (!ParseNumber(argv[i + 1], 0, 255, &status))
                return Usage();
            for (int k = 0; k < 8; ++k) {
                long value = 0;
                if (!ParseNumber(argv[i + 2 + k], 0, 255, &value))
                    return Usage();
                report[k] = (BYTE)value;
            }
            if (!Enqueue((BYTE)status, report))
                return 1;
            cursor += REPEAT_INTERVAL_MS;
            i += 9;
        } else if (strcmp(command, "plug") == 0) {
            if (!PlugStick()) {
                fprintf(stderr, "remote: plugging the virtual stick failed\n");
                return 1;
            }
        } else if (strcmp(command, "unplug") == 0) {
            if (!UnplugStick()) {
                fprintf(stderr, "remote: unplugging the virtual stick failed\n");
                return 1;
            }
        } else if (strcmp(command, "fault") == 0 && i + 1 < argc) {
            const char *fault = argv[++i];
            if (strcmp(fault, "initfail") != 0 && strcmp(fault, "alternate") != 0 && strcmp(fault, "none") != 0)
                return Usage();
            LockStick(state);
            state->initFails = strcmp(fault, "initfail") == 0;
            state->initFailsAlternately = strcmp(fault, "alternate") == 0;
            UnlockStick(state);
        } else if (strcmp(command, "stall") == 0 && i + 2 < argc && ParseNumber(argv[i + 1], 0, 600000, &a)
                   && ParseNumber(argv[i + 2], 0, 1000000, &b)) {
            i += 2;
            LockStick(state);
            state->stallMs = (DWORD)a;
            state->stallReads = (DWORD)b;
            UnlockStick(state);
        } else if (strcmp(command, "flush") == 0) {
            LockStick(state);
            state->count = 0;
            UnlockStick(state);
        } else if (strcmp(command, "drain") == 0 && i + 1 < argc
                   && ParseNumber(argv[i + 1], 0, 600000, &a)) {
            i += 1;
            if (!Drain((DWORD)a))
                return 1;
        } else if (strcmp(command, "status") == 0) {
            PrintStatus();
        } else {
            return Usage();
        }
    }
    return 0;
}
