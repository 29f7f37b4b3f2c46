// Which value the device's configuration byte gets in each Windows class.
#ifndef TOLLGATE_DEVICE_AUDIO_CLASS_RULES_H
#define TOLLGATE_DEVICE_AUDIO_CLASS_RULES_H

enum { AUDIO_BYTE_VISTA = 0x50, AUDIO_BYTE_XP = 0xD0 };

// Whether the launcher looks at the byte at all: always in the XP class, in the Vista
// class only when the medium allows it.
int ChecksAudioClass(int isVista, int enableAudioClass);
// The other class's value, which gets rewritten, and the value it becomes.
void AudioClassBytes(int isVista, unsigned *from, unsigned *to);
// 1 and the byte to write when the device holds the other class's value; 0 when the byte
// is already right or is neither class's value (then nothing is touched).
int AudioClassRewrite(int isVista, unsigned current, unsigned *wanted);

#endif
