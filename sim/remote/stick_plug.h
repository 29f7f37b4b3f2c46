// Plugging the virtual stick: registering its "AF9015 BDA Filter" with the virtual tuner.
#ifndef SIM_STICK_PLUG_H
#define SIM_STICK_PLUG_H

int PlugStick(void);
int UnplugStick(void);

#endif
