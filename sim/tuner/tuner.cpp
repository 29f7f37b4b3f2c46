// tuner.exe: plugs the virtual tuner's devices in and out and sets up their I2C device.
//   tuner plug                                  slot 0 as "AF9015 BDA Filter", network tuner
//   tuner plug SLOT tuner|video|receiver NAME [--prop] [--server PATH]
//   tuner unplug SLOT|all
//   tuner reg8 get SLOT | reg8 set SLOT VALUE   register 8 of the device at 0xA0
//   tuner fault SLOT none|notready|select|read|write|ready-call|status|status-positive|read-positive|write-positive[,...]
//   tuner reset SLOT                            zeroes the counters
//   tuner status SLOT
//   tuner device SLOT [byte VALUE | faults LIST]  older form, kept for scripts
// Exit code 0 on success, 1 when an operation failed, 2 for a bad command line.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "tuner_control.h"
#include "tuner_device.h"

static const char usage[] =
    "usage: tuner plug [SLOT tuner|video|receiver NAME [--prop] [--server PATH]]\n"
    "       tuner unplug SLOT|all\n"
    "       tuner reg8 get SLOT | tuner reg8 set SLOT VALUE\n"
    "       tuner fault SLOT none|notready|select|read|write|ready-call|status|status-positive|read-positive|write-positive[,...]\n"
    "       tuner reset SLOT | tuner status SLOT\n"
    "SLOT is 0..15.\n";

static const struct { const char *word; TunerCategory category; } categoryWords[] = {
    { "tuner", TUNER_CATEGORY_NETWORK },
    { "video", TUNER_CATEGORY_VIDEO },
    { "receiver", TUNER_CATEGORY_RECEIVER },
};

static const struct { const char *word; DWORD fault; } faultWords[] = {
    { "notready", TUNER_FAULT_NOT_READY },
    { "not-ready", TUNER_FAULT_NOT_READY },
    { "select", TUNER_FAULT_SELECT },
    { "read", TUNER_FAULT_READ },
    { "write", TUNER_FAULT_WRITE },
    { "ready-call", TUNER_FAULT_READY_CALL },
    { "status", TUNER_FAULT_STATUS },
    { "status-positive", TUNER_FAULT_STATUS_POSITIVE },
    { "read-positive", TUNER_FAULT_READ_POSITIVE },
    { "write-positive", TUNER_FAULT_WRITE_POSITIVE },
};

static int Usage(const char *problem)
{
    if (problem)
        fprintf(stderr, "tuner: %s\n", problem);
    fputs(usage, stderr);
    return 2;
}

static int Failed(const char *what, int slot)
{
    fprintf(stderr, "tuner: %s of slot %d failed\n", what, slot);
    return 1;
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

static int ParseByte(const char *text, DWORD *value)
{
    char *end = NULL;
    unsigned long number = strtoul(text, &end, 0);
    if (!text[0] || *end || text[0] == '-' || number > 0xFF)
        return 0;
    *value = (DWORD)number;
    return 1;
}

static int ParseCategory(const char *text, TunerCategory *category)
{
    for (size_t n = 0; n < sizeof categoryWords / sizeof categoryWords[0]; ++n)
        if (strcmp(categoryWords[n].word, text) == 0) {
            *category = categoryWords[n].category;
            return 1;
        }
    return 0;
}

static const char *CategoryWord(TunerCategory category)
{
    for (size_t n = 0; n < sizeof categoryWords / sizeof categoryWords[0]; ++n)
        if (categoryWords[n].category == category)
            return categoryWords[n].word;
    return "?";
}

// "none" or a comma-separated list of fault words.
static int ParseFaults(const char *text, DWORD *faults)
{
    *faults = 0;
    if (strcmp(text, "none") == 0)
        return 1;
    char list[128];
    int written = snprintf(list, sizeof list, "%s", text);
    if (written <= 0 || (size_t)written >= sizeof list)
        return 0;
    for (char *word = strtok(list, ","); word; word = strtok(NULL, ",")) {
        size_t n = 0;
        while (n < sizeof faultWords / sizeof faultWords[0] && strcmp(faultWords[n].word, word) != 0)
            ++n;
        if (n == sizeof faultWords / sizeof faultWords[0])
            return 0;
        *faults |= faultWords[n].fault;
    }
    return 1;
}

static void PrintFaults(DWORD faults)
{
    if (faults == 0) {
        printf("none");
        return;
    }
    const char *separator = "";
    for (size_t n = 0; n < sizeof faultWords / sizeof faultWords[0]; ++n)
        if ((faults & faultWords[n].fault) && strcmp(faultWords[n].word, "not-ready") != 0) {
            printf("%s%s", separator, faultWords[n].word);
            separator = ",";
        }
}

static int Plug(int argc, char **argv)
{
    if (argc == 0) {
        if (!TunerPlug(0, TUNER_CATEGORY_NETWORK, "AF9015 BDA Filter", 0))
            return Failed("plugging", 0);
        return 0;
    }
    int slot = 0;
    TunerCategory category;
    if (argc < 3)
        return Usage("plug needs SLOT, a category and a friendly name");
    if (!ParseSlot(argv[0], &slot))
        return Usage("bad slot");
    if (!ParseCategory(argv[1], &category))
        return Usage("category must be tuner, video or receiver");
    int withProperty = 0;
    char server[MAX_PATH];
    if (!TunerServerPath(server, sizeof server)) {
        fprintf(stderr, "tuner: cannot name vtuner.dll beside tuner.exe\n");
        return 1;
    }
    for (int n = 3; n < argc; ++n) {
        if (strcmp(argv[n], "--prop") == 0) {
            withProperty = 1;
        } else if (strcmp(argv[n], "--server") == 0 && n + 1 < argc) {
            int written = snprintf(server, sizeof server, "%s", argv[++n]);
            if (written <= 0 || (size_t)written >= sizeof server)
                return Usage("server path too long");
        } else {
            return Usage("unknown plug option");
        }
    }
    if (GetFileAttributesA(server) == INVALID_FILE_ATTRIBUTES) {
        fprintf(stderr, "tuner: filter server %s not found\n", server);
        return 1;
    }
    if (!TunerPlugServer(slot, category, argv[2], withProperty, server))
        return Failed("plugging", slot);
    return 0;
}

static int Unplug(int argc, char **argv)
{
    int slot = 0;
    if (argc != 1)
        return Usage("unplug needs SLOT or all");
    if (strcmp(argv[0], "all") == 0)
    {
        if (TunerUnplugAll())
            return 0;
        fprintf(stderr, "tuner: unplugging some slot failed\n");
        return 1;
    }
    if (!ParseSlot(argv[0], &slot))
        return Usage("bad slot");
    return TunerUnplug(slot) ? 0 : Failed("unplugging", slot);
}

static int Register8(int argc, char **argv)
{
    int slot = 0;
    DWORD value = 0;
    if (argc == 2 && strcmp(argv[0], "get") == 0 && ParseSlot(argv[1], &slot)) {
        printf("0x%02lX\n", (unsigned long)TunerGetRegister(slot, 8));
        return 0;
    }
    if (argc == 3 && strcmp(argv[0], "set") == 0 && ParseSlot(argv[1], &slot)) {
        if (!ParseByte(argv[2], &value))
            return Usage("VALUE must be 0..255 (0x.. for hex)");
        return TunerSetRegister(slot, 8, value) ? 0 : Failed("setting register 8", slot);
    }
    return Usage("reg8 get SLOT | reg8 set SLOT VALUE");
}

static int Fault(int argc, char **argv)
{
    int slot = 0;
    DWORD faults = 0;
    if (argc != 2 || !ParseSlot(argv[0], &slot))
        return Usage("fault needs SLOT and a fault list");
    if (!ParseFaults(argv[1], &faults))
        return Usage("faults: none or notready,select,read,write");
    return TunerSetFaults(slot, faults) ? 0 : Failed("setting faults", slot);
}

static int Reset(int argc, char **argv)
{
    int slot = 0;
    if (argc != 1 || !ParseSlot(argv[0], &slot))
        return Usage("reset needs SLOT");
    return TunerResetCounters(slot) ? 0 : Failed("resetting counters", slot);
}

static int Status(int argc, char **argv)
{
    int slot = 0;
    if (argc != 1 || !ParseSlot(argv[0], &slot))
        return Usage("status needs SLOT");
    TunerCategory category = TUNER_CATEGORY_NETWORK;
    char name[260];
    int withProperty = 0;
    if (TunerGetPlug(slot, &category, name, sizeof name, &withProperty))
        printf("slot %d: plugged %s \"%s\"%s\n", slot, CategoryWord(category), name,
               withProperty ? " --prop" : "");
    else
        printf("slot %d: unplugged\n", slot);
    printf("reg8=0x%02lX faults=", (unsigned long)TunerGetRegister(slot, 8));
    PrintFaults(TunerGetFaults(slot));
    printf(" reads=%lu writes=%lu cancels=%lu lastwrite=0x%02lX\n",
           (unsigned long)TunerGetCounter(slot, "I2CReads"),
           (unsigned long)TunerGetCounter(slot, "I2CWrites"),
           (unsigned long)TunerGetCounter(slot, "I2CCancels"),
           (unsigned long)TunerGetCounter(slot, "I2CLastWrite"));
    return 0;
}

// The older "device" form: one line "byte=0x.. reads=.. writes=.. cancels=..".
static int Device(int argc, char **argv)
{
    int slot = 0;
    DWORD value = 0;
    if (argc < 1 || !ParseSlot(argv[0], &slot))
        return Usage("device needs SLOT");
    if (argc == 1) {
        printf("byte=0x%02lX reads=%lu writes=%lu cancels=%lu\n",
               (unsigned long)TunerGetRegister(slot, 8),
               (unsigned long)TunerGetCounter(slot, "I2CReads"),
               (unsigned long)TunerGetCounter(slot, "I2CWrites"),
               (unsigned long)TunerGetCounter(slot, "I2CCancels"));
        return 0;
    }
    if (argc == 3 && strcmp(argv[1], "byte") == 0) {
        if (!ParseByte(argv[2], &value))
            return Usage("VALUE must be 0..255");
        return TunerSetRegister(slot, 8, value) ? 0 : Failed("setting register 8", slot);
    }
    if (argc == 3 && strcmp(argv[1], "faults") == 0) {
        if (!ParseFaults(argv[2], &value))
            return Usage("faults: none or notready,select,read,write");
        return TunerSetFaults(slot, value) ? 0 : Failed("setting faults", slot);
    }
    return Usage("device SLOT [byte VALUE | faults LIST]");
}

int main(int argc, char **argv)
{
    static const struct { const char *word; int (*run)(int, char **); } commands[] = {
        { "plug", Plug }, { "unplug", Unplug }, { "reg8", Register8 }, { "fault", Fault },
        { "reset", Reset }, { "status", Status }, { "device", Device },
    };
    if (argc < 2)
        return Usage(NULL);
    for (size_t n = 0; n < sizeof commands / sizeof commands[0]; ++n)
        if (strcmp(commands[n].word, argv[1]) == 0)
            return commands[n].run(argc - 2, argv + 2);
    return Usage("unknown command");
}
