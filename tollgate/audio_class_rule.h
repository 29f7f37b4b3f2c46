// Which value the device's configuration byte gets in each Windows class.
#ifndef TOLLGATE_AUDIO_CLASS_RULE_H
#define TOLLGATE_AUDIO_CLASS_RULE_H

enum { AUDIO_BYTE_VISTA = 0x50, AUDIO_BYTE_XP = 0xD0 };

// 1 and the byte to write when the device holds the other class's value; 0 when the byte
// is already right or is neither class's value (then nothing is touched).
int AudioClassRewrite(int isVista, unsigned current, unsigned *wanted);

#endif
