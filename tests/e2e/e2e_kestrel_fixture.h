// The one fixture of kestrel's end-to-end suites: kestrel.exe started as a user would, the
// virtual stick and remote, the TV application stand-ins, and one TearDown that ends them all
// and takes back what the tests wrote, so that every test starts from an unplugged stick and
// a fresh installation.
#ifndef TESTS_E2E_KESTREL_FIXTURE_H
#define TESTS_E2E_KESTREL_FIXTURE_H

#include <gtest/gtest.h>
#include <windows.h>
#include <deque>
#include <string>
#include <vector>

#include "tvapp_support.h"

typedef std::vector<std::string> Lines;

// What StartKestrel waits for (deadline 10 s) once the process runs.
enum KestrelReady { KESTREL_WINDOW, KESTREL_TRAY_ICON, KESTREL_POLLING };

class KestrelE2e : public ::testing::Test {
protected:
    HANDLE kestrel = NULL;
    DWORD kestrelId = 0;
    // A deque: the instances handed out by reference stay where they are.
    std::deque<TvAppInstance> apps;
    // Where kestrel.exe starts from, with a trailing backslash: the test program's folder, or
    // after UsePrivateCopy a folder whose keymaps.ini concerns this test alone.
    std::string folder;

    void SetUp() override;
    void TearDown() override;
    // Copies kestrel.exe and the receiver library into a folder of their own, without a keymaps.ini.
    void UsePrivateCopy();
    // Starts folder's kestrel.exe with arguments; 1 when started.
    int Launch(const std::string &arguments, HANDLE *process, DWORD *id = NULL);
    void StartKestrel(KestrelReady ready = KESTREL_POLLING, const std::string &arguments = "");
    // kestrel's exit code once it has ended, or 99.
    DWORD KestrelExitCode();
    // The stand-in started with arguments, recording to a file of that name; its start is taken.
    TvAppInstance &StartApp(const std::string &arguments, const std::string &name);
    // Runs the virtual remote to its end, then waits until kestrel has taken every event.
    static void Remote(const char *arguments);
    // The lines the stand-in records until there are count of them (deadline 5 s), then what
    // else arrives within settleMs.
    static Lines Collect(TvAppInstance &app, size_t count, DWORD settleMs = 300);
};

#endif
