// Benchmark of kestrel under Wine (not a test). Rows, each with its target and verdict:
// - the presence check against a bare loop that enumerates and binds the same way, measured
//   in the same run, as a ratio;
// - kestrel's own work in a polling tick without and with a key: the tick minus the system
//   calls the behaviour requires (presence check, receiver read, window searches, pointer),
//   each part timed inside the same ticks;
// - remote key to pointer moved, and peak private memory of kestrel.exe.
// bench.sh adds idle CPU, file sizes and the summary line.
//   bench_kestrel [ticks N] [rounds N] [presses N] [idle SECONDS]
#include <windows.h>
#include <dshow.h>
#include <psapi.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <algorithm>
#include <string>
#include <vector>

#include "core/af15bdaex.h"
#include "base/app_timer.h"
#include "core/dispatch.h"
#include "core/mouse.h"
#include "core/receiver.h"
#include "stick_plug.h"
#include "stick_state.h"
#include "tuner_control.h"
#include "win_support.h"

static double frequency;

static double NowMs()
{
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return (double)counter.QuadPart * 1000.0 / frequency;
}

static double Percentile(std::vector<double> samples, double fraction)
{
    if (samples.empty())
        return NAN;
    std::sort(samples.begin(), samples.end());
    size_t at = (size_t)((double)(samples.size() - 1) * fraction + 0.5);
    return samples[at];
}

static double Median(const std::vector<double> &samples)
{
    return Percentile(samples, 0.5);
}

// One row: the figure, how it spread, the target and whether it was met.
static void Row(const char *what, double value, const char *unit, const std::string &spread,
                const char *target, bool met)
{
    const char *verdict = !target[0] ? "" : isnan(value) ? "MISSED (no figure)" : met ? "met" : "MISSED";
    printf("  %-44s %9.3f %-4s %-37s %-9s %s\n", what, value, unit, spread.c_str(), target, verdict);
}

static double Mean(const std::vector<double> &samples)
{
    double sum = 0;
    for (double sample : samples)
        sum += sample;
    return samples.empty() ? NAN : sum / (double)samples.size();
}

static std::string Spread(const std::vector<double> &samples, const std::vector<double> &roundMedians)
{
    char text[64];
    snprintf(text, sizeof text, "p10-p90 %.3f-%.3f", Percentile(samples, 0.1), Percentile(samples, 0.9));
    std::string spread = text;
    if (!roundMedians.empty()) {
        snprintf(text, sizeof text, " rounds %.3f-%.3f",
                 *std::min_element(roundMedians.begin(), roundMedians.end()),
                 *std::max_element(roundMedians.begin(), roundMedians.end()));
        spread += text;
    }
    return spread;
}

// The presence check as a bare loop, no kestrel code: the same COM calls, the first device with
// the name bound and released.
static int BarePresenceCheck()
{
    CoInitialize(NULL);
    int found = 0;
    ICreateDevEnum *devices = NULL;
    if (SUCCEEDED(CoCreateInstance(CLSID_SystemDeviceEnum, NULL, CLSCTX_INPROC_SERVER, IID_ICreateDevEnum,
                                   (void **)&devices))) {
        IEnumMoniker *monikers = NULL;
        if (devices->CreateClassEnumerator(captureFilterCategory, &monikers, 0) == S_OK && monikers) {
            monikers->Reset();
            IMoniker *moniker = NULL;
            while (!found && monikers->Next(1, &moniker, NULL) == S_OK) {
                IPropertyBag *bag = NULL;
                if (SUCCEEDED(moniker->BindToStorage(NULL, NULL, IID_IPropertyBag, (void **)&bag))) {
                    VARIANT name;
                    VariantInit(&name);
                    name.vt = VT_BSTR;
                    if (bag->Read(L"FriendlyName", &name, NULL) == S_OK && name.vt == VT_BSTR
                        && wcscmp(name.bstrVal, L"AF9015 BDA Filter") == 0) {
                        IBaseFilter *filter = NULL;
                        if (SUCCEEDED(moniker->BindToObject(NULL, NULL, IID_IBaseFilter, (void **)&filter))) {
                            filter->Release();
                            found = 1;
                        }
                    }
                    VariantClear(&name);
                    bag->Release();
                }
                moniker->Release();
            }
            monikers->Release();
        }
        devices->Release();
    }
    CoUninitialize();
    return found;
}

// The system calls of a tick, timed where the program makes them: this program's own import
// entries are pointed at wrappers that time the real call and add it to its part.
enum Part { PART_PRESENCE, PART_READ, PART_SEARCH, PART_POINTER, PART_COUNT };
static bool timing = false;
static double partMs[PART_COUNT];
static int timedRegions = 0;
static double presenceStart = 0;

#define TIMED(part, call)                                  \
    do {                                                   \
        if (!timing) {                                     \
            call;                                          \
            break;                                         \
        }                                                  \
        double start = NowMs();                            \
        call;                                              \
        partMs[part] += NowMs() - start;                   \
        ++timedRegions;                                    \
    } while (0)

static HRESULT(WINAPI *realCoInitialize)(LPVOID);
static void(WINAPI *realCoUninitialize)(void);
static unsigned char(__stdcall *realGetIR)(unsigned char *);
static HWND(WINAPI *realFindWindowExA)(HWND, HWND, LPCSTR, LPCSTR);
static HWND(WINAPI *realGetDesktopWindow)(void);
static BOOL(WINAPI *realGetCursorPos)(LPPOINT);
static BOOL(WINAPI *realSetCursorPos)(int, int);

// The presence check runs from IsReceiverPresent's CoInitialize to ReleaseReceiverCheck's
// CoUninitialize.
static HRESULT WINAPI TimedCoInitialize(LPVOID reserved)
{
    if (timing)
        presenceStart = NowMs();
    return realCoInitialize(reserved);
}
static void WINAPI TimedCoUninitialize(void)
{
    realCoUninitialize();
    if (timing) {
        partMs[PART_PRESENCE] += NowMs() - presenceStart;
        ++timedRegions;
    }
}
static unsigned char __stdcall TimedGetIR(unsigned char *report)
{
    unsigned char status = 0;
    TIMED(PART_READ, status = realGetIR(report));
    return status;
}
static HWND WINAPI TimedFindWindowExA(HWND parent, HWND after, LPCSTR windowClass, LPCSTR title)
{
    HWND found = NULL;
    TIMED(PART_SEARCH, found = realFindWindowExA(parent, after, windowClass, title));
    return found;
}
static HWND WINAPI TimedGetDesktopWindow(void)
{
    HWND desktop = NULL;
    TIMED(PART_SEARCH, desktop = realGetDesktopWindow());
    return desktop;
}
static BOOL WINAPI TimedGetCursorPos(LPPOINT at)
{
    BOOL done = FALSE;
    TIMED(PART_POINTER, done = realGetCursorPos(at));
    return done;
}
static BOOL WINAPI TimedSetCursorPos(int x, int y)
{
    BOOL done = FALSE;
    TIMED(PART_POINTER, done = realSetCursorPos(x, y));
    return done;
}

template <typename Function>
static bool Redirect(const char *dll, const char *function, Function wrapper, Function *real)
{
    *real = (Function)RedirectImport(dll, function, (void *)wrapper);
    if (!*real)
        printf("  (cannot time %s!%s)\n", dll, function);
    return *real != NULL;
}

static bool TimeTheSystemCalls()
{
    bool all = Redirect("ole32.dll", "CoInitialize", TimedCoInitialize, &realCoInitialize);
    all = Redirect("ole32.dll", "CoUninitialize", TimedCoUninitialize, &realCoUninitialize) && all;
    all = Redirect("af15bdaex.dll", "af15_GetIR", TimedGetIR, &realGetIR) && all;
    all = Redirect("user32.dll", "FindWindowExA", TimedFindWindowExA, &realFindWindowExA) && all;
    all = Redirect("user32.dll", "GetDesktopWindow", TimedGetDesktopWindow, &realGetDesktopWindow) && all;
    all = Redirect("user32.dll", "GetCursorPos", TimedGetCursorPos, &realGetCursorPos) && all;
    all = Redirect("user32.dll", "SetCursorPos", TimedSetCursorPos, &realSetCursorPos) && all;
    return all;
}

// What the timing adds to a tick outside the parts it times: about one clock read per region.
static double ClockReadMs()
{
    const int reads = 20000;
    double start = NowMs();
    double sink = 0;
    for (int i = 0; i < reads; ++i)
        sink += NowMs();
    double each = (NowMs() - start) / reads;
    return sink > 0 ? each : each;
}

struct TickParts {
    std::vector<double> total, presence, read, search, pointer, own;
    std::vector<double> ownRoundMedians, totalRoundMedians;
};

static void Add(TickParts &parts, double total, double clockRead)
{
    double own = total - partMs[PART_PRESENCE] - partMs[PART_READ] - partMs[PART_SEARCH] - partMs[PART_POINTER]
                 - clockRead * timedRegions;
    parts.total.push_back(total);
    parts.presence.push_back(partMs[PART_PRESENCE]);
    parts.read.push_back(partMs[PART_READ]);
    parts.search.push_back(partMs[PART_SEARCH]);
    parts.pointer.push_back(partMs[PART_POINTER]);
    parts.own.push_back(own < 0 ? 0 : own);
}

// Medians of the parts need not add up to the tick's; their means do, so they are shown too.
static std::string WithMean(const std::vector<double> &samples, const std::vector<double> &roundMedians)
{
    char text[32];
    snprintf(text, sizeof text, "mean %.3f ", Mean(samples));
    return text + Spread(samples, roundMedians);
}

static void PrintTickRows(const char *kind, const TickParts &parts, bool withKey)
{
    char what[96];
    snprintf(what, sizeof what, "tick %s: whole tick", kind);
    Row(what, Median(parts.total), "ms", WithMean(parts.total, {}), "", true);
    Row("  presence check (system calls)", Median(parts.presence), "ms", WithMean(parts.presence, {}), "", true);
    Row("  af15_GetIR (receiver library)", Median(parts.read), "ms", WithMean(parts.read, {}), "", true);
    if (withKey) {
        Row("  nine window searches", Median(parts.search), "ms", WithMean(parts.search, {}), "", true);
        Row("  pointer read and move", Median(parts.pointer), "ms", WithMean(parts.pointer, {}), "", true);
    }
    snprintf(what, sizeof what, "kestrel's own work per tick %s", kind);
    double own = Median(parts.own);
    Row(what, own, "ms", WithMean(parts.own, parts.ownRoundMedians), "<= 0.1 ms", own <= 0.1);
}

// The polling tick in this process, the program's own code, with its parts timed in the same ticks.
static void BenchTicks(int ticks, int rounds)
{
    TunerUnplugAll();
    PlugStick();
    af15_init();
    HWND owner = CreateWindowExA(0, "STATIC", "bench", 0, 0, 0, 0, 0, NULL, NULL, NULL, NULL);
    BindTimer(pollTimer, owner, 100);
    SetPointerBoundsFromDisplay(1024, 768);
    receiverReady = 1;
    // The retry bound as the program binds it; the ticks come by hand.
    StartReceiverTimers(owner, pollTimer);
    StopTimer(pollTimer);
    // As in the program: the start-up check keeps COM initialised for good.
    IsReceiverPresent();
    ReleaseReceiverCheck();
    CoInitialize(NULL);
    bool timed = TimeTheSystemCalls();
    double clockRead = ClockReadMs();

    std::vector<double> bare, presence, ratioRounds;
    TickParts idle, key;
    for (int round = 0; round < rounds; ++round) {
        std::vector<double> roundBare, roundPresence;
        size_t idleFrom = idle.own.size(), keyFrom = key.own.size();
        for (int i = 0; i < ticks; ++i) {
            // Bare loop and presence check interleaved, taking turns at going first, so both
            // meet the same load.
            double start = 0;
            for (int turn = 0; turn < 2; ++turn) {
                start = NowMs();
                if ((turn + i) % 2 == 0) {
                    BarePresenceCheck();
                    roundBare.push_back(NowMs() - start);
                } else {
                    IsReceiverPresent();
                    ReleaseReceiverCheck();
                    roundPresence.push_back(NowMs() - start);
                }
            }

            // A tick with nothing to read, then one with a key that reaches the mouse.
            memset(partMs, 0, sizeof partMs);
            timedRegions = 0;
            timing = true;
            start = NowMs();
            PollRemote(owner, WM_TIMER, 1, 0);
            double total = NowMs() - start;
            timing = false;
            Add(idle, total, clockRead);

            SetCursorPos(500, 400);
            QueueStickKey(i % 2 ? 6 : 4);
            memset(partMs, 0, sizeof partMs);
            timedRegions = 0;
            timing = true;
            start = NowMs();
            PollRemote(owner, WM_TIMER, 1, 0);
            total = NowMs() - start;
            timing = false;
            Add(key, total, clockRead);
        }
        bare.insert(bare.end(), roundBare.begin(), roundBare.end());
        presence.insert(presence.end(), roundPresence.begin(), roundPresence.end());
        ratioRounds.push_back(Median(roundPresence) / Median(roundBare));
        idle.ownRoundMedians.push_back(Median(std::vector<double>(idle.own.begin() + idleFrom, idle.own.end())));
        idle.totalRoundMedians.push_back(Median(std::vector<double>(idle.total.begin() + idleFrom, idle.total.end())));
        key.ownRoundMedians.push_back(Median(std::vector<double>(key.own.begin() + keyFrom, key.own.end())));
        key.totalRoundMedians.push_back(Median(std::vector<double>(key.total.begin() + keyFrom, key.total.end())));
    }
    DestroyWindow(owner);

    printf("Polling tick in this process, %d rounds of %d ticks (median; spread over all ticks and of\n"
           "the round medians). Parts are timed inside the same ticks; a timed region costs about\n"
           "%.4f ms of clock reads, taken off kestrel's own work.%s\n",
           rounds, ticks, clockRead, timed ? "" : " Some calls could not be timed.");
    Row("bare enumeration and bind (baseline)", Median(bare), "ms", Spread(bare, {}), "", true);
    Row("presence check of kestrel", Median(presence), "ms", Spread(presence, {}), "", true);
    double ratio = Median(presence) / Median(bare);
    char spread[64];
    snprintf(spread, sizeof spread, "rounds %.3f-%.3f", *std::min_element(ratioRounds.begin(), ratioRounds.end()),
             *std::max_element(ratioRounds.begin(), ratioRounds.end()));
    Row("presence check / baseline", ratio, "x", spread, "<= 1.2", ratio <= 1.2);
    // Idle polling cannot cost less than ten presence checks a second.
    Row("10 presence checks a second, % of a core", Median(idle.presence) * 10 / 1000 * 100, "%", "(the floor of idle CPU)", "", true);
    PrintTickRows("without a key", idle, false);
    PrintTickRows("with a key", key, true);
}

// The real program: remote key to pointer move, memory. bench.sh reads the idle CPU around the
// marked pauses: one before kestrel starts (what the prefix costs anyway), one while it idles.
static int BenchProgram(int presses, int idleSeconds)
{
    TunerUnplugAll();
    PlugStick();
    printf("BASE-START\n");
    fflush(stdout);
    Sleep((DWORD)idleSeconds * 1000);
    printf("BASE-END\n");
    fflush(stdout);

    HANDLE kestrel = StartProgram("kestrel.exe", "");
    StickState *state = OpenStickState();
    double deadline = NowMs() + 10000;
    while (kestrel && state->getIrCalls < 3 && NowMs() < deadline)
        Sleep(10);
    if (!kestrel || state->getIrCalls < 3)
        printf("  kestrel.exe did not start polling\n");

    std::vector<double> latencies;
    int lost = 0;
    for (int i = 0; kestrel && i < presses; ++i) {
        SetCursorPos(500, 400);
        Sleep(30 + (i * 37) % 70);   // spread the presses over the tick's phase
        POINT before;
        GetCursorPos(&before);
        double start = NowMs();
        QueueStickKey(i % 2 ? 6 : 4);
        bool moved = false;
        while (NowMs() - start < 1000) {
            POINT now;
            GetCursorPos(&now);
            if (now.x != before.x) {
                moved = true;
                break;
            }
            Sleep(1);
        }
        if (moved)
            latencies.push_back(NowMs() - start);
        else
            ++lost;
    }
    printf("kestrel.exe, %d presses of the virtual remote (%d without effect within 1 s):\n", presses, lost);
    double p50 = Median(latencies), p99 = Percentile(latencies, 0.99);
    Row("key to pointer moved, median", p50, "ms", Spread(latencies, {}), "< 60 ms", p50 < 60);
    Row("key to pointer moved, 99th percentile", p99, "ms", "", "< 110 ms", p99 < 110 && lost == 0);
    fflush(stdout);

    printf("IDLE-START\n");
    fflush(stdout);
    Sleep((DWORD)idleSeconds * 1000);
    printf("IDLE-END\n");
    fflush(stdout);

    PROCESS_MEMORY_COUNTERS memory;
    ZeroMemory(&memory, sizeof memory);
    memory.cb = sizeof memory;
    double peak = NAN;
    if (kestrel && GetProcessMemoryInfo(kestrel, &memory, sizeof memory))
        peak = (double)memory.PeakPagefileUsage / 1048576.0;
    EndKestrel(kestrel);
    // A resident tray utility's budget: a small share of an XP-era machine's memory.
    Row("peak private memory of kestrel.exe", peak, "MiB", "", "< 8 MiB", peak < 8.0);
    return 0;
}

int main(int argc, char **argv)
{
    LARGE_INTEGER counts;
    QueryPerformanceFrequency(&counts);
    frequency = (double)counts.QuadPart;
    int ticks = 200, rounds = 5, presses = 200, idle = 20;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (strcmp(argv[i], "ticks") == 0)
            ticks = atoi(argv[i + 1]);
        else if (strcmp(argv[i], "rounds") == 0)
            rounds = atoi(argv[i + 1]);
        else if (strcmp(argv[i], "presses") == 0)
            presses = atoi(argv[i + 1]);
        else if (strcmp(argv[i], "idle") == 0)
            idle = atoi(argv[i + 1]);
    }
    BenchTicks(ticks < 1 ? 1 : ticks, rounds < 1 ? 1 : rounds);
    printf("\n");
    return BenchProgram(presses, idle);
}
