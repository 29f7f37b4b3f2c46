// Running Setup.exe from a test medium under a chosen Windows version and bitness.
#ifndef TESTS_TOLLGATE_E2E_H
#define TESTS_TOLLGATE_E2E_H

#include <windows.h>
#include <string>
#include <vector>

#include "tollgate_support.h"

struct LauncherRun {
    bool ended;
    DWORD exitCode;
    std::vector<SeenMessage> messages;
    std::vector<std::string> Texts() const;
};

// Windows as Setup.exe (under the given file name) will see it: the version Wine reports
// to it and whether the system has a 32-bit program folder.
void PoseAs(const std::string &launcherName, const char *wineVersion, bool x64);
// Back to the prefix as it was made.
void RestoreSystem(void);

// Starts the launcher of the medium, closes its message boxes with OK while recording
// them, and waits for it to end.
LauncherRun RunLauncher(const Medium &medium, const std::string &launcherName = "Setup.exe",
                        DWORD timeoutMs = 30000);

#endif
