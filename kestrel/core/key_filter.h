// Report acceptance, repeat classification and repeat suppression: plain values in and out.
#ifndef KESTREL_KEY_FILTER_H
#define KESTREL_KEY_FILTER_H

#include <stdint.h>

#include "core/ir_report.h"

enum { KEY_POWER = 19, KEY_SHUTDOWN_REQUEST = 11, SUPPRESSED_KEY = -1 };

extern int lastKeyCode;
extern uint32_t lastKeyTick;
extern int repeatCount;
extern bool keyIsRepeat;

// The remote key code of an accepted report, or -1 when the report carries no event.
int AcceptReport(unsigned char status, const unsigned char report[IR_REPORT_BYTES]);
// Updates the repeat state for an accepted key at tick now; 1 for a repeat of a held key, 0
// for a new press.
int ClassifyKeyEvent(int code, uint32_t now);
// Whether an event passes an application's repeat rule: a new press always, a repeat when
// its count is a multiple of every (0: never).
int PassesRepeatRule(int every, int count, bool isRepeat);
// The key to route: -1 for a repeat held back while a TV application is driven.
int SuppressRepeat(int code, int anyAppActive);
// The key the shut-down confirmation gets: Enter for Power, Escape for anything else.
int ConfirmationKey(int routedKey);

#endif
