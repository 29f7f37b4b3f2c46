// The virtual stick is the virtual tuner's "AF9015 BDA Filter" in slot 0.
#include "stick_plug.h"
#include "stick_state.h"
#include "tuner_control.h"

int PlugStick(void)
{
    return TunerPlug(0, TUNER_CATEGORY_NETWORK, "AF9015 BDA Filter", 0);
}

// The receiver's open handle goes with the device: reads fail until the next open.
int UnplugStick(void)
{
    StickState *state = OpenStickState();
    if (state) {
        LockStick(state);
        state->open = 0;
        UnlockStick(state);
    }
    return TunerUnplug(0);
}
