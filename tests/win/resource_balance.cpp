// Counting a process's handles, GDI and USER objects and private memory, also under Wine.
#include "resource_balance.h"

#include <dshow.h>
#include <winternl.h>
#include <stdio.h>

// One row of the GDI handle table that the process environment block points to; Wine keeps
// the same layout for 32- and 64-bit processes.
struct GdiTableEntry {
    unsigned long long object;
    unsigned short processId;
    unsigned short count;
    unsigned short unique;
    unsigned char type;
    unsigned char flags;
    unsigned long long user;
};
enum { GDI_TABLE_ENTRIES = 0x10000, USER_PROBE_ENTRIES = 0x4000, HANDLE_PROBE_GAP = 0x4000 };

static long CountGdiTable(HANDLE process, DWORD processId)
{
    typedef LONG(WINAPI * QueryProcess)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    QueryProcess query = (QueryProcess)(void (*)(void))GetProcAddress(GetModuleHandleA("ntdll.dll"),
                                                                      "NtQueryInformationProcess");
    PROCESS_BASIC_INFORMATION basic;
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, NULL) != 0)
        return -1;
    // PEB.GdiSharedHandleTable, read as another process's memory (this one's too).
    const char *tableField = (const char *)basic.PebBaseAddress + (sizeof(void *) == 8 ? 0xF8 : 0x94);
    const GdiTableEntry *remoteTable = NULL;
    if (!ReadProcessMemory(process, tableField, &remoteTable, sizeof remoteTable, NULL) || !remoteTable)
        return -1;
    static GdiTableEntry table[GDI_TABLE_ENTRIES];
    SIZE_T read = 0;
    if (!ReadProcessMemory(process, remoteTable, table, sizeof table, &read))
        return -1;
    // Wine's table is the process's own and leaves the owner 0; Windows shares one per session.
    long count = 0;
    for (size_t i = 0; i < read / sizeof table[0]; ++i)
        if (table[i].type && (table[i].processId == 0 || table[i].processId == (unsigned short)processId))
            ++count;
    return count;
}

// Asks for each handle value in turn, until a long run of values holds none.
static long ProbeHandles(HANDLE process)
{
    long count = 0;
    HANDLE self = GetCurrentProcess();
    int own = GetProcessId(process) == GetCurrentProcessId();
    for (ULONG_PTR value = 4, lastFound = 4; value < lastFound + 4 * HANDLE_PROBE_GAP; value += 4) {
        int valid = 0;
        DWORD flags;
        HANDLE copy = NULL;
        if (own)
            valid = GetHandleInformation((HANDLE)value, &flags);
        else if (DuplicateHandle(process, (HANDLE)value, self, &copy, 0, FALSE, DUPLICATE_SAME_ACCESS)) {
            CloseHandle(copy);
            valid = 1;
        }
        if (valid) {
            ++count;
            lastFound = value;
        }
    }
    return count;
}

static BOOL CALLBACK CountChild(HWND, LPARAM context)
{
    ++*(long *)context;
    return TRUE;
}

struct WindowCount {
    DWORD processId;
    long count;
};

static BOOL CALLBACK CountProcessWindow(HWND window, LPARAM context)
{
    WindowCount *windows = (WindowCount *)context;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == windows->processId) {
        ++windows->count;
        EnumChildWindows(window, CountChild, (LPARAM)&windows->count);
    }
    return TRUE;
}

// Menus by their handle's index alone: Wine takes a handle without its generation as any
// generation of that entry. Only this process's menus answer.
static long ProbeMenus(void)
{
    long count = 0;
    for (ULONG_PTR value = 0x20; value < 0x20 + 2 * USER_PROBE_ENTRIES; value += 2)
        if (IsMenu((HMENU)value))
            ++count;
    return count;
}

// Wine leaves PrivateUsage where it is however much is committed, so private memory is
// summed from the address space: committed pages that belong to the process alone.
static long long CommittedPrivateBytes(HANDLE process)
{
    long long total = 0;
    MEMORY_BASIC_INFORMATION region;
    for (const char *at = NULL; VirtualQueryEx(process, at, &region, sizeof region) == sizeof region;) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            total += (long long)region.RegionSize;
        const char *next = (const char *)region.BaseAddress + region.RegionSize;
        if (next <= at)
            break;
        at = next;
    }
    return total;
}

ResourceCounts CountProcessResources(HANDLE process)
{
    ResourceCounts counts = {};
    DWORD processId = GetProcessId(process);
    int own = processId == GetCurrentProcessId();
    typedef BOOL(WINAPI * HandleCount)(HANDLE, PDWORD);
    HandleCount handleCount =
        (HandleCount)(void (*)(void))GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetProcessHandleCount");
    DWORD handles = 0;
    counts.handles = handleCount && handleCount(process, &handles) && handles ? (long)handles : ProbeHandles(process);
    DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
    counts.gdiObjects = gdi ? (long)gdi : CountGdiTable(process, processId);
    DWORD user = GetGuiResources(process, GR_USEROBJECTS);
    if (user) {
        counts.userObjects = (long)user;
    } else {
        WindowCount windows = { processId, 0 };
        EnumWindows(CountProcessWindow, (LPARAM)&windows);
        counts.userObjects = windows.count + (own ? ProbeMenus() : 0);
    }
    counts.privateBytes = CommittedPrivateBytes(process);
    return counts;
}

ResourceCounts CountResources(void)
{
    return CountProcessResources(GetCurrentProcess());
}

std::string DescribeCounts(const ResourceCounts &counts)
{
    char text[160];
    snprintf(text, sizeof text, "handles %ld, GDI %ld, USER %ld, private %.1f MiB", counts.handles,
             counts.gdiObjects, counts.userObjects, (double)counts.privateBytes / 1048576.0);
    return text;
}

struct Growth {
    long long kinds[4];
};

static Growth Measure(int warmUp, int repetitions, const std::function<void()> &operation)
{
    for (int i = 0; i < warmUp; ++i)
        operation();
    ResourceCounts before = CountResources();
    for (int i = 0; i < repetitions; ++i)
        operation();
    ResourceCounts after = CountResources();
    Growth growth = { { after.handles - before.handles, after.gdiObjects - before.gdiObjects,
                        after.userObjects - before.userObjects, after.privateBytes - before.privateBytes } };
    return growth;
}

std::string ResourceGrowth(int warmUp, int repetitions, const std::function<void()> &operation,
                           const std::function<void()> &baseline)
{
    Growth allowed = { { repetitions / 20 + 2, repetitions / 20 + 2, repetitions / 20 + 2, 128 * 1024 } };
    if (baseline) {
        Growth system = Measure(warmUp, repetitions, baseline);
        for (int k = 0; k < 4; ++k)
            allowed.kinds[k] += system.kinds[k] > 0 ? system.kinds[k] : 0;
    }
    Growth seen = Measure(warmUp, repetitions, operation);
    static const char *const names[4] = { "handles", "GDI objects", "USER objects", "private bytes" };
    std::string text;
    for (int k = 0; k < 4; ++k)
        if (seen.kinds[k] > allowed.kinds[k]) {
            char part[128];
            snprintf(part, sizeof part, "%s%s +%lld (allowed %lld)", text.empty() ? "" : "; ", names[k],
                     seen.kinds[k], allowed.kinds[k]);
            text += part;
        }
    if (!text.empty())
        text += " after " + std::to_string(repetitions) + " repetitions";
    return text;
}

void BareDeviceEnumeration(REFGUID category)
{
    CoInitialize(NULL);
    ICreateDevEnum *devices = NULL;
    if (SUCCEEDED(CoCreateInstance(CLSID_SystemDeviceEnum, NULL, CLSCTX_INPROC_SERVER, IID_ICreateDevEnum,
                                   (void **)&devices))) {
        IEnumMoniker *monikers = NULL;
        if (devices->CreateClassEnumerator(category, &monikers, 0) == S_OK && monikers) {
            IMoniker *moniker = NULL;
            if (monikers->Next(1, &moniker, NULL) == S_OK) {
                IPropertyBag *bag = NULL;
                if (SUCCEEDED(moniker->BindToStorage(NULL, NULL, IID_IPropertyBag, (void **)&bag))) {
                    VARIANT name;
                    VariantInit(&name);
                    bag->Read(L"FriendlyName", &name, NULL);
                    VariantClear(&name);
                    bag->Release();
                }
                IBaseFilter *filter = NULL;
                if (SUCCEEDED(moniker->BindToObject(NULL, NULL, IID_IBaseFilter, (void **)&filter)))
                    filter->Release();
                moniker->Release();
            }
            monikers->Release();
        }
        devices->Release();
    }
    CoUninitialize();
}
