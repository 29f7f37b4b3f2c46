// The Windows version kestrel.exe sees in this run: KESTREL_E2E_WINDOWS names a Wine version
// (winxp, winxp64, vista, win7, win10) that Wine then reports to kestrel.exe alone; unset, the
// prefix's own.
#include <gtest/gtest.h>
#include <windows.h>
#include <stdlib.h>
#include <string.h>

static const char appDefaults[] = "Software\\Wine\\AppDefaults\\kestrel.exe";

class PosedWindows : public ::testing::Environment {
public:
    void SetUp() override
    {
        const char *version = getenv("KESTREL_E2E_WINDOWS");
        if (!version || !*version)
            return;
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, appDefaults, 0, NULL, 0, KEY_SET_VALUE, NULL,
                                                 &key, NULL));
        LONG written = RegSetValueExA(key, "Version", 0, REG_SZ, (const BYTE *)version, (DWORD)strlen(version) + 1);
        RegCloseKey(key);
        ASSERT_EQ(ERROR_SUCCESS, written);
    }
};

static ::testing::Environment *const posedWindows = ::testing::AddGlobalTestEnvironment(new PosedWindows);
