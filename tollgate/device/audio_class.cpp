// SwitchAudioClass: open, check, read, rewrite if it holds the other class's value, close.
#include "device/audio_class.h"

#include "device/audio_class_rules.h"
#include "device/device_access.h"
#include "device/i2c.h"

enum { AUDIO_DEVICE = 0xA0, AUDIO_REGISTER = 8 };

int SwitchAudioClass(int isVista)
{
    if (!OpenDevice())
        return 0;
    // A warning at most; the read below decides.
    CheckI2CDevice(AUDIO_DEVICE);
    DWORD value = 0;
    if (ReadI2C(AUDIO_DEVICE, AUDIO_REGISTER, 1, &value) != 0) {
        CloseDevice();
        return 0;
    }
    unsigned wanted = 0;
    int rewritten = 0;
    if (AudioClassRewrite(isVista, value, &wanted)) {
        DWORD data = wanted;
        rewritten = WriteI2C(AUDIO_DEVICE, AUDIO_REGISTER, 1, &data) == 0;
    }
    CloseDevice();
    return rewritten;
}
