// What a process holds, counted so that a test can repeat an operation many times and see
// whether anything stays behind.
#ifndef TESTS_RESOURCE_BALANCE_H
#define TESTS_RESOURCE_BALANCE_H

#include <windows.h>
#include <functional>
#include <string>

struct ResourceCounts {
    long handles;        // kernel handles
    long gdiObjects;
    long userObjects;    // windows and menus
    long long privateBytes;
};

// This process's counts. Wine answers GetProcessHandleCount with 0 and GetGuiResources not
// at all, so where they give nothing the handles are counted by asking for each handle
// value, GDI objects from the process's GDI handle table, and USER objects as this process's
// windows plus the menus that IsMenu knows. Private memory is the committed private pages of
// the address space (Wine does not move PrivateUsage). A 32-bit process in a 64-bit Wine
// prefix has no GDI table in its PEB: its GDI count is -1 and never grows.
ResourceCounts CountResources(void);
// The same for another process (opened with query, read and duplicate-handle access); its
// menus are not counted, as IsMenu answers for this process's only.
ResourceCounts CountProcessResources(HANDLE process);

// Runs the operation warmUp times (caches, first-use allocations), counts, runs it
// repetitions times and counts again. "" when nothing grew beyond the allowance; else what
// grew, by how much, after how many repetitions. The allowance is a twentieth of the
// repetitions (Wine's own lazy start-ups in the process; a leak per operation is far more)
// and 128 KiB of private memory. A baseline, when given, is measured the same way first and
// its growth allowed too: the system calls that the operation cannot do without.
std::string ResourceGrowth(int warmUp, int repetitions, const std::function<void()> &operation,
                           const std::function<void()> &baseline = nullptr);

// The system calls of a device lookup without the program: one enumeration of the category,
// the first device's name read and the device bound. Wine's device enumerator itself keeps a
// handle per enumeration and per device visited; a program's share is what it costs beyond.
void BareDeviceEnumeration(REFGUID category);

// "handles 41, GDI 24, USER 3, private 12.5 MiB"
std::string DescribeCounts(const ResourceCounts &counts);

#endif
