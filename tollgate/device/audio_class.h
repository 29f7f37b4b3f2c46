// The launcher flow's device step: the device's audio-class byte, register 8 of the I2C
// device at 0xA0.
#ifndef TOLLGATE_DEVICE_AUDIO_CLASS_H
#define TOLLGATE_DEVICE_AUDIO_CLASS_H

// Sets the byte for the Windows class; 1 when it was rewritten, so the device must be
// re-plugged.
int SwitchAudioClass(int isVista);

#endif
