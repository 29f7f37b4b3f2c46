// Repeat filtering of remote key events.
#include "core/key_filter.h"

int lastKeyCode = 0;
uint32_t lastKeyTick = 0;
int repeatCount = 0;
bool keyIsRepeat = false;

// A held key's events arrive about 110 ms apart; a gap of 250 ms or more is a new press.
static const uint32_t REPEAT_WINDOW_MS = 250;

int AcceptReport(unsigned char status, const unsigned char report[IR_REPORT_BYTES])
{
    if (status != 1 || report[IR_KEY_BYTE] == 0xFF || report[IR_REMOTE_ID_BYTE] != 7)
        return -1;
    return report[IR_KEY_BYTE];
}

int ClassifyKeyEvent(int code, uint32_t now)
{
    // Unsigned difference: the wrap of the tick counter does not break a held key.
    if (code == lastKeyCode && (uint32_t)(now - lastKeyTick) < REPEAT_WINDOW_MS) {
        keyIsRepeat = true;
        ++repeatCount;
    } else {
        keyIsRepeat = false;
        repeatCount = 0;
    }
    lastKeyTick = now;
    lastKeyCode = code;
    return keyIsRepeat;
}

int PassesRepeatRule(int every, int count, bool isRepeat)
{
    if (!isRepeat || count == 0)
        return 1;
    return every > 0 && count % every == 0;
}

int SuppressRepeat(int code, int anyAppActive)
{
    // A driven application gets a held key's first event and every tenth repeat.
    if (anyAppActive && !PassesRepeatRule(10, repeatCount, keyIsRepeat))
        return SUPPRESSED_KEY;
    return code;
}

int ConfirmationKey(int routedKey)
{
    return routedKey == KEY_POWER ? 13 : 27;
}
