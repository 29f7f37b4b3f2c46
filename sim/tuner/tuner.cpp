// tuner.exe: plugs the virtual tuner's devices in and out.
//   tuner plug                       the stick kestrel looks for ("AF9015 BDA Filter", slot 0)
//   tuner plug SLOT tuner|video|receiver NAME [--prop]
//   tuner unplug SLOT|all
//   tuner device SLOT                 the emulated I2C device: register 8 and the counters
//   tuner device SLOT byte VALUE      sets register 8
//   tuner device SLOT faults LIST     LIST: none or not-ready,select,read,write
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "tuner_control.h"
#include "tuner_device.h"

static int Usage(void)
{
    fprintf(stderr, "usage: tuner plug [SLOT tuner|video|receiver NAME [--prop]] | unplug SLOT|all\n"
                    "       tuner device SLOT [byte VALUE | faults none|not-ready,select,read,write]\n");
    return 2;
}

static int ParseFaults(const char *text, DWORD *faults)
{
    static const struct { const char *name; DWORD fault; } names[] = {
        { "not-ready", TUNER_FAULT_NOT_READY }, { "select", TUNER_FAULT_SELECT },
        { "read", TUNER_FAULT_READ }, { "write", TUNER_FAULT_WRITE },
    };
    *faults = 0;
    if (strcmp(text, "none") == 0)
        return 1;
    char list[128];
    snprintf(list, sizeof list, "%s", text);
    for (char *name = strtok(list, ","); name; name = strtok(NULL, ",")) {
        size_t n = 0;
        while (n < sizeof names / sizeof names[0] && strcmp(names[n].name, name) != 0)
            ++n;
        if (n == sizeof names / sizeof names[0])
            return 0;
        *faults |= names[n].fault;
    }
    return 1;
}

static int Device(int slot, int argc, char **argv)
{
    if (argc == 0) {
        printf("byte=0x%02lX reads=%lu writes=%lu cancels=%lu\n", TunerGetRegister(slot, 8),
               TunerGetCounter(slot, "I2CReads"), TunerGetCounter(slot, "I2CWrites"),
               TunerGetCounter(slot, "I2CCancels"));
        return 0;
    }
    if (argc == 2 && strcmp(argv[0], "byte") == 0)
        return TunerSetRegister(slot, 8, strtoul(argv[1], NULL, 0)) ? 0 : 1;
    DWORD faults = 0;
    if (argc == 2 && strcmp(argv[0], "faults") == 0 && ParseFaults(argv[1], &faults))
        return TunerSetFaults(slot, faults) ? 0 : 1;
    return Usage();
}

static int ParseSlot(const char *text, int *slot)
{
    char *end = NULL;
    long value = strtol(text, &end, 10);
    if (!text[0] || *end || value < 0 || value >= TUNER_SLOT_COUNT)
        return 0;
    *slot = (int)value;
    return 1;
}

int main(int argc, char **argv)
{
    if (argc < 2)
        return Usage();
    int slot = 0;
    if (strcmp(argv[1], "plug") == 0) {
        if (argc == 2)
            return TunerPlug(0, TUNER_CATEGORY_NETWORK, "AF9015 BDA Filter", 0) ? 0 : 1;
        if (argc < 5 || !ParseSlot(argv[2], &slot))
            return Usage();
        TunerCategory category;
        if (strcmp(argv[3], "tuner") == 0)
            category = TUNER_CATEGORY_NETWORK;
        else if (strcmp(argv[3], "video") == 0)
            category = TUNER_CATEGORY_VIDEO;
        else if (strcmp(argv[3], "receiver") == 0)
            category = TUNER_CATEGORY_RECEIVER;
        else
            return Usage();
        int withProperty = argc > 5 && strcmp(argv[5], "--prop") == 0;
        if (!TunerPlug(slot, category, argv[4], withProperty)) {
            fprintf(stderr, "tuner: plugging slot %d failed\n", slot);
            return 1;
        }
        return 0;
    }
    if (strcmp(argv[1], "device") == 0 && argc >= 3) {
        if (!ParseSlot(argv[2], &slot))
            return Usage();
        return Device(slot, argc - 3, argv + 3);
    }
    if (strcmp(argv[1], "unplug") == 0 && argc == 3) {
        if (strcmp(argv[2], "all") == 0)
            return TunerUnplugAll() ? 0 : 1;
        if (!ParseSlot(argv[2], &slot))
            return Usage();
        return TunerUnplug(slot) ? 0 : 1;
    }
    return Usage();
}
