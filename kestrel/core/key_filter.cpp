// Repeat filtering of remote key events.
#include "core/key_filter.h"

// The previous event, which the next one is measured against.
static struct {
    int code;
    uint32_t tick;
    int repeatCount;
} previous;

// A held key's events arrive about 110 ms apart; a gap of 250 ms or more is a new press.
static const uint32_t REPEAT_WINDOW_MS = 250;

int AcceptReport(unsigned char status, const unsigned char report[IR_REPORT_BYTES])
{
    if (status != 1 || report[IR_KEY_BYTE] == 0xFF || report[IR_REMOTE_ID_BYTE] != 7)
        return -1;
    return report[IR_KEY_BYTE];
}

KeyEvent FilterKeyEvent(int code, uint32_t now)
{
    // Unsigned difference: the wrap of the tick counter does not break a held key.
    int isRepeat = code == previous.code && (uint32_t)(now - previous.tick) < REPEAT_WINDOW_MS;
    previous.repeatCount = isRepeat ? previous.repeatCount + 1 : 0;
    previous.tick = now;
    previous.code = code;
    // A driven application gets a held key's first event and every tenth repeat.
    return { code, isRepeat, previous.repeatCount, !PassesRepeatRule(10, previous.repeatCount, isRepeat) };
}

void ResetKeyFilter(void)
{
    previous = {};
}

int PassesRepeatRule(int every, int count, bool isRepeat)
{
    if (!isRepeat || count == 0)
        return 1;
    return every > 0 && count % every == 0;
}
