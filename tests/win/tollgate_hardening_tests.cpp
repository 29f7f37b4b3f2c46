// Hardening of the launcher: registry texts read with their whole buffers, one message for
// a launcher path that does not fit, the DLL search fallback.
#include <gtest/gtest.h>

#include <windows.h>
#include <string.h>
#include <string>
#include <vector>

#include "device/filter_search.h"
#include "flow/dll_search.h"
#include "flow/launcher_app.h"
#include "medium/module_folder.h"
#include "steps/os_class.h"
#include "tollgate_support.h"
#include "win_support.h"

static const char currentVersionKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
static const char x86FolderValue[] = "ProgramFilesDir (x86)";

class Hardening : public ::testing::Test {
protected:
    void SetUp() override
    {
        HKEY key;
        DWORD size = sizeof savedX86Folder;
        hadX86Folder = RegOpenKeyExA(HKEY_LOCAL_MACHINE, currentVersionKey, 0, KEY_QUERY_VALUE, &key)
                           == ERROR_SUCCESS
                       && RegQueryValueExA(key, x86FolderValue, NULL, NULL, (BYTE *)savedX86Folder, &size)
                              == ERROR_SUCCESS;
        if (hadX86Folder)
            RegCloseKey(key);
    }
    void TearDown() override
    {
        if (hadX86Folder)
            SetRegistryString(HKEY_LOCAL_MACHINE, currentVersionKey, x86FolderValue, savedX86Folder);
        else
            DeleteRegistryValue(HKEY_LOCAL_MACHINE, currentVersionKey, x86FolderValue);
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, "Software\\Halyard\\BDA");
    }
    bool hadX86Folder = false;
    char savedX86Folder[1024] = "";
};

// 255 characters and the terminator fill the 256 bytes the values are read with.
TEST_F(Hardening, RegistryTextsOfTwoHundredFiftyFiveCharactersCount)
{
    std::string folder = "C:\\" + std::string(247, 'P') + "(x86)";
    ASSERT_EQ(255u, folder.size());
    SetRegistryString(HKEY_LOCAL_MACHINE, currentVersionKey, x86FolderValue, folder.c_str());
    EXPECT_EQ(1, CheckX64());
    std::string longer = "C:\\" + std::string(248, 'P') + "(x86)";
    SetRegistryString(HKEY_LOCAL_MACHINE, currentVersionKey, x86FolderValue, longer.c_str());
    EXPECT_EQ(0, CheckX64()) << "a longer value is not read";

    std::string name = "USB " + std::string(251, 'N');
    SetRegistryString(HKEY_LOCAL_MACHINE, "Software\\Halyard\\BDA", "RealDSName", name.c_str());
    SetRegistryString(HKEY_LOCAL_MACHINE, "Software\\Halyard\\BDA", "DSName", "USB Oak Device");
    char found[DS_NAME_SIZE] = "";
    EXPECT_EQ(1, GetDSName(found));
    EXPECT_EQ(name, found);
    // Too long a RealDSName leaves DSName.
    SetRegistryString(HKEY_LOCAL_MACHINE, "Software\\Halyard\\BDA", "RealDSName", (name + "x").c_str());
    EXPECT_EQ(1, GetDSName(found));
    EXPECT_STREQ("USB Oak Device", found);
}

// A value stored without its terminator, all 256 bytes of it, is taken whole.
TEST_F(Hardening, UnterminatedRegistryTextIsTakenWhole)
{
    std::string name = "USB " + std::string(252, 'M');
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Halyard\\BDA", 0, NULL, 0,
                                             KEY_SET_VALUE, NULL, &key, NULL));
    RegSetValueExA(key, "DSName", 0, REG_BINARY, (const BYTE *)name.data(), 256);
    RegCloseKey(key);
    char found[DS_NAME_SIZE];
    memset(found, 'x', sizeof found);
    EXPECT_EQ(1, GetDSName(found));
    EXPECT_EQ(name, std::string(found));
}

TEST_F(Hardening, LauncherPathThatDoesNotFitGivesOneMessage)
{
    std::string shown = "C:\\" + std::string(500, 'd') + "...";
    MessageBoxWatcher watcher;
    EXPECT_EQ(4, LauncherFlow(shown.c_str(), FOLDER_TOO_LONG));
    watcher.Stop();
    std::vector<std::string> texts = watcher.Texts();
    ASSERT_EQ(1u, texts.size());
    EXPECT_EQ(0u, texts[0].find("The launcher's own path is too long")) << texts[0];
    EXPECT_NE(std::string::npos, texts[0].find(std::string(100, 'd')));
    EXPECT_EQ("SetupDrv", watcher.Seen()[0].caption);
}

TEST_F(Hardening, DllSearchFallsBackToLeavingOutTheCurrentFolder)
{
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    SetDllDirectoryCall setDirectory = (SetDllDirectoryCall)(void *)GetProcAddress(kernel, "SetDllDirectoryA");
    ASSERT_TRUE(setDirectory != NULL);
    EXPECT_EQ(DLL_SEARCH_UNCHANGED, RestrictDllSearchWith(NULL, NULL));
    EXPECT_EQ(DLL_SEARCH_NO_CURRENT, RestrictDllSearchWith(NULL, setDirectory));
}

// What GetModuleFileNameA hands the launcher, one case at a time.
static const char *modulePathGiven = NULL;
static DWORD WINAPI GivenModulePath(HMODULE, LPSTR path, DWORD size)
{
    lstrcpynA(path, modulePathGiven, (int)size);
    return (DWORD)strlen(path);
}

// A module path that cannot be read or names no folder is told as such, not as too long.
TEST_F(Hardening, UnknownLauncherFolderSaysWhatHappened)
{
    void *real = RedirectImport("kernel32.dll", "GetModuleFileNameA", (void *)GivenModulePath);
    ASSERT_TRUE(real != NULL);
    const struct { const char *path; int result; const char *says; } cases[] = {
        { "", FOLDER_UNREADABLE, "Windows did not tell the launcher its own path" },
        { "Setup.exe", FOLDER_NOT_A_PATH, "The launcher's own path names no folder" },
        { "E:\\Setup.exe", FOLDER_FOUND, NULL },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        modulePathGiven = c.path;
        char folder[MODULE_PATH_SIZE];
        int result = GetLauncherFolder(folder, sizeof folder);
        EXPECT_EQ(c.result, result);
        if (!c.says) {
            EXPECT_STREQ("E:", folder);
            continue;
        }
        MessageBoxWatcher watcher;
        EXPECT_EQ(4, LauncherFlow(folder, result));
        watcher.Stop();
        std::vector<std::string> texts = watcher.Texts();
        ASSERT_EQ(1u, texts.size());
        EXPECT_EQ(0u, texts[0].find(c.says)) << texts[0];
        EXPECT_EQ(std::string::npos, texts[0].find("too long")) << texts[0];
    }
    RedirectImport("kernel32.dll", "GetModuleFileNameA", real);
}
