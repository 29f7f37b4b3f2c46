// The configuration byte's rewrite rule.
#include "device/audio_class_rules.h"

int ChecksAudioClass(int isVista, int enableAudioClass)
{
    return !isVista || enableAudioClass != 0;
}

void AudioClassBytes(int isVista, unsigned *from, unsigned *to)
{
    *from = isVista ? AUDIO_BYTE_XP : AUDIO_BYTE_VISTA;
    *to = isVista ? AUDIO_BYTE_VISTA : AUDIO_BYTE_XP;
}

int AudioClassRewrite(int isVista, unsigned current, unsigned *wanted)
{
    unsigned from, to;
    AudioClassBytes(isVista, &from, &to);
    if (current != from)
        return 0;
    if (wanted)
        *wanted = to;
    return 1;
}
