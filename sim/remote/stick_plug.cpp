// The virtual stick is the virtual tuner's "AF9015 BDA Filter" in slot 0.
#include "stick_plug.h"
#include "tuner_control.h"

int PlugStick(void)
{
    return TunerPlug(0, TUNER_CATEGORY_NETWORK, "AF9015 BDA Filter", 0);
}

int UnplugStick(void)
{
    return TunerUnplug(0);
}
