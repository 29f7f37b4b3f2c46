// tuner_probe.exe: looks at the virtual tuner the way the programs do, through the
// system device enumerator, so that a plug can be checked from outside.
//   tuner_probe list CATEGORY                every device in order: name, bag CLSID, bound slot
//   tuner_probe find CATEGORY NAME           binds the first device named NAME exactly
//   tuner_probe read CATEGORY NAME           ... then checks the I2C device and reads register 8
//   tuner_probe write CATEGORY NAME VALUE    ... and writes VALUE into register 8
//   tuner_probe time CATEGORY NAME [COUNT]   mean cost of one search, without and with binding
// CATEGORY: tuner, video or receiver. Exit code 0 on success; 2 bad command line; 3 empty
// category or no such device; 4 no property interface; 5 an I2C call failed; 1 otherwise.
#include <windows.h>
#include <dshow.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "tuner_control.h"
#include "tuner_device.h"
#include "tuner_property.h"

enum { EXIT_USAGE = 2, EXIT_ABSENT = 3, EXIT_NO_PROPERTY = 4, EXIT_I2C = 5 };

static int SlotOfClsid(const CLSID &clsid)
{
    for (int slot = 0; slot < TUNER_SLOT_COUNT; ++slot)
        if (IsEqualCLSID(clsid, TunerSlotClsid(slot)))
            return slot;
    return -1;
}

static int ParseCategory(const char *text, GUID *category)
{
    static const struct { const char *word; TunerCategory category; } words[] = {
        { "tuner", TUNER_CATEGORY_NETWORK },
        { "video", TUNER_CATEGORY_VIDEO },
        { "receiver", TUNER_CATEGORY_RECEIVER },
    };
    for (size_t n = 0; n < sizeof words / sizeof words[0]; ++n)
        if (strcmp(words[n].word, text) == 0) {
            *category = TunerCategoryGuid(words[n].category);
            return 1;
        }
    return 0;
}

// The class enumerator of a category, or null with the result in *result (S_FALSE when
// the category is empty).
static IEnumMoniker *OpenCategory(const GUID &category, HRESULT *result)
{
    ICreateDevEnum *devices = NULL;
    IEnumMoniker *monikers = NULL;
    *result = CoCreateInstance(CLSID_SystemDeviceEnum, NULL, CLSCTX_INPROC_SERVER, IID_ICreateDevEnum,
                               (void **)&devices);
    if (FAILED(*result))
        return NULL;
    *result = devices->CreateClassEnumerator(category, &monikers, 0);
    devices->Release();
    if (*result != S_OK) {
        if (monikers)
            monikers->Release();
        return NULL;
    }
    monikers->Reset();
    return monikers;
}

// Reads a string of the moniker's property bag into an ANSI buffer.
static int ReadBagString(IMoniker *moniker, const wchar_t *name, char *text, int size)
{
    IPropertyBag *bag = NULL;
    text[0] = '\0';
    if (FAILED(moniker->BindToStorage(NULL, NULL, IID_IPropertyBag, (void **)&bag)))
        return 0;
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    int ok = 0;
    if (bag->Read(name, &value, NULL) == S_OK) {
        if (value.vt == VT_BSTR)
            ok = WideCharToMultiByte(CP_ACP, 0, value.bstrVal, -1, text, size, NULL, NULL) > 0;
        VariantClear(&value);
    }
    bag->Release();
    if (!ok)
        text[0] = '\0';
    return ok;
}

// The slot whose filter the moniker binds to, -1 for another server, -2 when binding fails.
static int BoundSlot(IMoniker *moniker, IBaseFilter **keep)
{
    IBaseFilter *filter = NULL;
    if (FAILED(moniker->BindToObject(NULL, NULL, IID_IBaseFilter, (void **)&filter)) || !filter)
        return -2;
    CLSID clsid;
    int slot = SUCCEEDED(filter->GetClassID(&clsid)) ? SlotOfClsid(clsid) : -1;
    if (keep)
        *keep = filter;
    else
        filter->Release();
    return slot;
}

static int List(const GUID &category)
{
    HRESULT result;
    IEnumMoniker *monikers = OpenCategory(category, &result);
    if (!monikers) {
        printf("empty: CreateClassEnumerator returned 0x%08lX\n", (unsigned long)result);
        return EXIT_ABSENT;
    }
    IMoniker *moniker = NULL;
    for (int index = 0; monikers->Next(1, &moniker, NULL) == S_OK; ++index) {
        char name[260], clsid[64];
        ReadBagString(moniker, L"FriendlyName", name, sizeof name);
        ReadBagString(moniker, L"CLSID", clsid, sizeof clsid);
        printf("%d \"%s\" %s slot %d\n", index, name, clsid, BoundSlot(moniker, NULL));
        moniker->Release();
    }
    monikers->Release();
    return 0;
}

// The first device whose friendly name equals name, bound; bind = 0 only walks the names.
static IBaseFilter *FindFilter(const GUID &category, const char *name, int bind, int *found)
{
    HRESULT result;
    IBaseFilter *filter = NULL;
    *found = 0;
    IEnumMoniker *monikers = OpenCategory(category, &result);
    if (!monikers)
        return NULL;
    IMoniker *moniker = NULL;
    while (monikers->Next(1, &moniker, NULL) == S_OK) {
        char text[80];
        int match = ReadBagString(moniker, L"FriendlyName", text, sizeof text) && strcmp(text, name) == 0;
        if (match) {
            *found = 1;
            if (bind && FAILED(moniker->BindToObject(NULL, NULL, IID_IBaseFilter, (void **)&filter)))
                filter = NULL;
            moniker->Release();
            break;
        }
        moniker->Release();
    }
    monikers->Release();
    return filter;
}

static int Find(const GUID &category, const char *name)
{
    int found = 0;
    IBaseFilter *filter = FindFilter(category, name, 1, &found);
    if (!filter) {
        printf(found ? "binding failed\n" : "not found\n");
        return found ? 1 : EXIT_ABSENT;
    }
    CLSID clsid;
    int slot = SUCCEEDED(filter->GetClassID(&clsid)) ? SlotOfClsid(clsid) : -1;
    printf("bound slot %d\n", slot);
    filter->Release();
    return 0;
}

static HRESULT TransferByte(TunerDeviceCustomProperty *property, int write, DWORD *value)
{
    DWORD header = TunerI2CHeader(TUNER_I2C_ADDRESS, 8, 1);
    HRESULT result = property->Set(TUNER_PROP_I2C_HEADER, &header);
    if (result >= 0)
        result = write ? property->Set(TUNER_PROP_I2C_DATA, value) : property->Get(TUNER_PROP_I2C_DATA, value);
    if (result < 0) {
        DWORD cancel = 0;
        property->Set(TUNER_PROP_I2C_HEADER, &cancel);
    }
    return result;
}

// The status check, the read of register 8 and, when write is set, the write of newValue.
static int Access(const GUID &category, const char *name, int write, DWORD newValue)
{
    int found = 0;
    IBaseFilter *filter = FindFilter(category, name, 1, &found);
    if (!filter) {
        printf(found ? "binding failed\n" : "not found\n");
        return found ? 1 : EXIT_ABSENT;
    }
    TunerDeviceCustomProperty *property = NULL;
    HRESULT result = filter->QueryInterface(IID_TunerDeviceCustomProperty, (void **)&property);
    filter->Release();
    if (FAILED(result) || !property) {
        printf("no property interface: 0x%08lX\n", (unsigned long)result);
        return EXIT_NO_PROPERTY;
    }
    DWORD first = 0, second = 0, address = TUNER_I2C_ADDRESS, ready = 0, status = 0;
    property->Get(TUNER_PROP_OPEN_FIRST, &first);
    property->Get(TUNER_PROP_OPEN_SECOND, &second);
    HRESULT select = property->Set(TUNER_PROP_I2C_SELECT, &address);
    HRESULT readiness = select >= 0 ? property->Get(TUNER_PROP_I2C_READY, &ready) : E_ABORT;
    HRESULT state = readiness >= 0 && ready ? property->Get(TUNER_PROP_I2C_STATUS, &status) : E_ABORT;
    printf("open 0x%08lX 0x%08lX; select 0x%08lX ready 0x%08lX=%lu status 0x%08lX\n",
           (unsigned long)first, (unsigned long)second, (unsigned long)select,
           (unsigned long)readiness, (unsigned long)ready, (unsigned long)state);

    int exitCode = 0;
    DWORD value = 0;
    result = TransferByte(property, 0, &value);
    if (result != S_OK) {
        printf("read failed: 0x%08lX\n", (unsigned long)result);
        exitCode = EXIT_I2C;
    } else {
        printf("reg8=0x%02lX\n", (unsigned long)value);
        if (write) {
            result = TransferByte(property, 1, &newValue);
            printf("write 0x%02lX: 0x%08lX\n", (unsigned long)newValue, (unsigned long)result);
            if (result != S_OK)
                exitCode = EXIT_I2C;
        }
    }
    property->Release();
    return exitCode;
}

static double Milliseconds(const LARGE_INTEGER &from, const LARGE_INTEGER &to, const LARGE_INTEGER &rate)
{
    return (double)(to.QuadPart - from.QuadPart) * 1000.0 / (double)rate.QuadPart;
}

static int Time(const GUID &category, const char *name, int count)
{
    LARGE_INTEGER rate, start, middle, end;
    int found = 0;
    QueryPerformanceFrequency(&rate);
    // The first search loads the enumerator's and the server's DLLs; not part of the cost.
    IBaseFilter *filter = FindFilter(category, name, 1, &found);
    if (filter)
        filter->Release();
    if (!found) {
        printf("not found\n");
        return EXIT_ABSENT;
    }
    QueryPerformanceCounter(&start);
    for (int n = 0; n < count; ++n)
        FindFilter(category, name, 0, &found);
    QueryPerformanceCounter(&middle);
    for (int n = 0; n < count; ++n) {
        filter = FindFilter(category, name, 1, &found);
        if (filter)
            filter->Release();
    }
    QueryPerformanceCounter(&end);
    printf("%d searches: %.3f ms each by name, %.3f ms each with binding\n", count,
           Milliseconds(start, middle, rate) / count, Milliseconds(middle, end, rate) / count);
    return 0;
}

static int Usage(void)
{
    fputs("usage: tuner_probe list CATEGORY | find CATEGORY NAME | read CATEGORY NAME\n"
          "       tuner_probe write CATEGORY NAME VALUE | time CATEGORY NAME [COUNT]\n"
          "CATEGORY: tuner, video or receiver\n", stderr);
    return EXIT_USAGE;
}

int main(int argc, char **argv)
{
    GUID category;
    if (argc < 3 || !ParseCategory(argv[2], &category))
        return Usage();
    const char *command = argv[1];
    CoInitialize(NULL);
    int exitCode = EXIT_USAGE;
    if (strcmp(command, "list") == 0 && argc == 3) {
        exitCode = List(category);
    } else if (strcmp(command, "find") == 0 && argc == 4) {
        exitCode = Find(category, argv[3]);
    } else if (strcmp(command, "read") == 0 && argc == 4) {
        exitCode = Access(category, argv[3], 0, 0);
    } else if (strcmp(command, "write") == 0 && argc == 5) {
        char *end = NULL;
        unsigned long value = strtoul(argv[4], &end, 0);
        exitCode = (*end || value > 0xFF) ? Usage() : Access(category, argv[3], 1, (DWORD)value);
    } else if (strcmp(command, "time") == 0 && (argc == 4 || argc == 5)) {
        int count = argc == 5 ? atoi(argv[4]) : 1000;
        exitCode = count > 0 ? Time(category, argv[3], count) : Usage();
    } else {
        Usage();
    }
    CoUninitialize();
    return exitCode;
}
