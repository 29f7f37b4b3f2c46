// Report acceptance and the repeat filter: which event of a held key this is.
#ifndef KESTREL_KEY_FILTER_H
#define KESTREL_KEY_FILTER_H

#include <stdint.h>

#include "core/ir_report.h"

// One accepted key event.
struct KeyEvent {
    int code;
    int isRepeat;      // 0: a new press; 1: another event of the held key
    int repeatCount;   // the held key's repeats so far, 0 for a new press
    int heldBack;      // a repeat that a driven TV application does not get
};

// The remote key code of an accepted report, or -1 when the report carries no event.
int AcceptReport(unsigned char status, const unsigned char report[IR_REPORT_BYTES]);
// The event of an accepted key at tick now, measured against the previous one.
KeyEvent FilterKeyEvent(int code, uint32_t now);
// Forgets the previous event: the next one is a new press.
void ResetKeyFilter(void);
// Whether an event passes an application's repeat rule: a new press always, a repeat when
// its count is a multiple of every (0: never).
int PassesRepeatRule(int every, int count, bool isRepeat);

#endif
