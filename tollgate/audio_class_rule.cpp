// The configuration byte's rewrite rule.
#include "audio_class_rule.h"

int AudioClassRewrite(int isVista, unsigned current, unsigned *wanted)
{
    unsigned from = isVista ? AUDIO_BYTE_XP : AUDIO_BYTE_VISTA;
    unsigned to = isVista ? AUDIO_BYTE_VISTA : AUDIO_BYTE_XP;
    if (current != from)
        return 0;
    if (wanted)
        *wanted = to;
    return 1;
}
