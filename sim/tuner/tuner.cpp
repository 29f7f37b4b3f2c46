// tuner.exe: plugs the virtual tuner's devices in and out.
//   tuner plug                       the stick kestrel looks for ("AF9015 BDA Filter", slot 0)
//   tuner plug SLOT tuner|video|receiver NAME [--prop]
//   tuner unplug SLOT|all
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "tuner_control.h"

static int Usage(void)
{
    fprintf(stderr, "usage: tuner plug [SLOT tuner|video|receiver NAME [--prop]] | unplug SLOT|all\n");
    return 2;
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
    if (strcmp(argv[1], "unplug") == 0 && argc == 3) {
        if (strcmp(argv[2], "all") == 0)
            return TunerUnplugAll() ? 0 : 1;
        if (!ParseSlot(argv[2], &slot))
            return Usage();
        return TunerUnplug(slot) ? 0 : 1;
    }
    return Usage();
}
