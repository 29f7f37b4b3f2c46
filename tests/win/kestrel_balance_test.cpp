// Resource balance: each operation that runs ten times a second or on a person's action,
// repeated many times in this process, leaves no handle, GDI or USER object or private
// memory behind (counted as resource_balance.h says, Wine's gaps included), and the virtual
// tuner holds no filter object afterwards.
#include <gtest/gtest.h>
#include <dshow.h>
#include <string.h>
#include <string>

#include "base/seams.h"
#include "core/af15bdaex.h"
#include "core/dispatch.h"
#include "core/receiver.h"
#include "dialog_probe.h"
#include "kestrel_window.h"
#include "profiles/app_windows.h"
#include "profiles/catalogue.h"
#include "profiles/profile.h"
#include "profiles/profile_ops.h"
#include "registry_support.h"
#include "resource_balance.h"
#include "settings/settings.h"
#include "stick_plug.h"
#include "tuner_control.h"
#include "ui/about.h"
#include "ui/setting_dialog.h"
#include "ui/shutdown.h"
#include "win_support.h"

static VOID WINAPI NoPause(DWORD) {}

// The system calls of a presence check without kestrel: what a check costs beyond them is
// kestrel's share.
static void BarePresenceCheck()
{
    BareDeviceEnumeration(captureFilterCategory);
}

// Whether the virtual tuner's server still holds an object that someone did not release.
static bool TunerObjectsAlive()
{
    HMODULE server = GetModuleHandleA("vtuner.dll");
    typedef HRESULT(WINAPI * CanUnload)(void);
    CanUnload canUnload = server ? (CanUnload)(void (*)(void))GetProcAddress(server, "DllCanUnloadNow") : NULL;
    return canUnload && canUnload() != S_OK;
}

// A TV application's window that stays whatever key or command it gets.
static LRESULT CALLBACK Steadfast(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE || message == WM_SYSCOMMAND)
        return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

static void DrainMessages()
{
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

class Balance : public ::testing::Test {
protected:
    HWND owner = NULL;
    void SetUp() override
    {
        ResetStick();
        ASSERT_TRUE(TunerUnplugAll());
        ASSERT_TRUE(PlugStick());
        af15_init();
        // The program keeps COM for good after its start-up check; so does this thread.
        CoInitialize(NULL);
        owner = CreateWindowExA(0, "STATIC", "balance", 0, 0, 0, 0, 0, NULL, NULL, NULL, NULL);
        BindTimer(pollTimer, owner, 100);
        BindTimer(watchTimer, owner, 1000);
        receiverReady = 1;
        // The retry bound as the program binds it; the ticks come by hand.
        StartReceiverTimers(owner, pollTimer);
        StopTimer(pollTimer);
        SetPointerBoundsFromDisplay(1024, 768);
        ResetKeyFilterState();
        sleepThread = NoPause;
        for (int i = 0; i <= TV_APP_COUNT; ++i)
            tvApps[i].active = 0;
    }
    void TearDown() override
    {
        StopTimer(pollTimer);
        StopTimer(watchTimer);
        DestroyWindow(owner);
        sleepThread = Sleep;
        DrainMessages();
        TunerUnplugAll();
        ResetStick();
        CoUninitialize();
    }
};

static bool IsWow64()
{
    typedef BOOL(WINAPI * IsWow64Process)(HANDLE, PBOOL);
    IsWow64Process isWow64 =
        (IsWow64Process)(void (*)(void))GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsWow64Process");
    BOOL wow64 = FALSE;
    return isWow64 && isWow64(GetCurrentProcess(), &wow64) && wow64;
}

// The counts move with what a leak would leave behind, Wine's gaps filled as the header says.
TEST_F(Balance, CountsSeeEachKindOfObject)
{
    ResourceCounts before = CountResources();
    HANDLE events[5];
    HFONT fonts[5];
    for (int i = 0; i < 5; ++i) {
        events[i] = CreateEventA(NULL, FALSE, FALSE, NULL);
        fonts[i] = CreateFontA(10 + i, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    }
    HMENU menu = CreatePopupMenu();
    HWND window = CreateWindowExA(0, "STATIC", "leak", 0, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
    void *block = HeapAlloc(GetProcessHeap(), 0, 4 << 20);
    memset(block, 1, 4 << 20);
    ResourceCounts during = CountResources();
    EXPECT_EQ(before.handles + 5, during.handles);
    // A 32-bit process in a 64-bit Wine prefix finds no GDI table in its own PEB: no count there.
    if (before.gdiObjects >= 0 || !IsWow64()) {
        EXPECT_EQ(before.gdiObjects + 5, during.gdiObjects);
    }
    EXPECT_EQ(before.userObjects + 2, during.userObjects);
    EXPECT_GE(during.privateBytes - before.privateBytes, 4 << 20);
    EXPECT_NE("", ResourceGrowth(0, 30, [] { CreateEventA(NULL, FALSE, FALSE, NULL); }));
    HeapFree(GetProcessHeap(), 0, block);
    DestroyWindow(window);
    DestroyMenu(menu);
    for (int i = 0; i < 5; ++i) {
        CloseHandle(events[i]);
        DeleteObject(fonts[i]);
    }
    ResourceCounts after = CountResources();
    EXPECT_EQ(before.gdiObjects, after.gdiObjects) << DescribeCounts(before) << " / " << DescribeCounts(after);
    EXPECT_EQ(before.userObjects, after.userObjects);
}

TEST_F(Balance, PollingTickWithoutAndWithAKeyAndThePresenceCheck)
{
    EXPECT_EQ("", ResourceGrowth(20, 300, [&] { PollRemote(owner, WM_TIMER, 1, 0); }, BarePresenceCheck));
    EXPECT_FALSE(TunerObjectsAlive());
    int key = 0;
    EXPECT_EQ("", ResourceGrowth(20, 300, [&] {
        QueueStickKey(++key % 2 ? 4 : 6);
        PollRemote(owner, WM_TIMER, 1, 0);
    }, BarePresenceCheck));
    EXPECT_GE(StickSnapshot().eventsDelivered, 320u) << "every key was read";
    EXPECT_EQ("", ResourceGrowth(20, 300, [] {
        IsReceiverPresent();
        ReleaseReceiverCheck();
    }, BarePresenceCheck));
    EXPECT_FALSE(TunerObjectsAlive());
    EXPECT_TRUE(pollTimer.window == owner && receiverReady) << "the stick stayed present";
}

TEST_F(Balance, SettingsLoadAndSave)
{
    DeleteKeyTree("SOFTWARE\\Corvel");
    int app = 0;
    EXPECT_EQ("", ResourceGrowth(10, 300, [&] {
        LoadSettings();
        defaultTvApp = 1 + ++app % 9;
        SaveDefaultApp();
    }));
    EXPECT_EQ(1 + app % 9, (int)ReadDword(KESTREL_SETTINGS_KEY, "DefaultTVAPP"));
    DeleteKeyTree("SOFTWARE\\Corvel");
    defaultTvApp = 9;
}

// Every code on every application's key map (taps, chords, posted keys, messages, commands,
// routed rows), against windows posing as the nine applications.
TEST_F(Balance, KeyMapsOfEveryApplication)
{
    std::vector<HWND> posers;
    for (int i = 1; i <= TV_APP_COUNT; ++i) {
        const TvAppEntry *entry = CatalogueEntry(i);
        ASSERT_TRUE(entry != NULL);
        const char *windowClass = entry->windowClass ? entry->windowClass : "BalancePoser";
        const char *title = entry->windowTitle ? entry->windowTitle : entry->windowName;
        posers.push_back(OpenTestWindow(windowClass, title, Steadfast, WS_POPUP | WS_VISIBLE));
        EXPECT_TRUE(FindAppWindow(i) != NULL) << i;
    }
    StartAnsweringBoxes("Remote Control");
    EXPECT_EQ("", ResourceGrowth(1, 4, [] {
        for (int i = 1; i <= TV_APP_COUNT; ++i)
            for (unsigned code = 0; code < 64; ++code)
                if (code != KEY_POWER && code != KEY_SHUTDOWN_REQUEST) {
                    DispatchKey(i, code);
                    DrainMessages();
                }
    }));
    StopAnsweringBoxes();
    for (HWND window : posers)
        DestroyWindow(window);
}

// A launch that the shell refuses, with its message box.
TEST_F(Balance, FailedLaunch)
{
    std::string folder = TestTempFolder("balance launch");
    ASSERT_TRUE(WriteString("SOFTWARE\\ArcSoft\\TotalMedia", "AppPath", folder));
    BuildProfile(APP_TOTALMEDIA);
    ASSERT_EQ(1, tvApps[APP_TOTALMEDIA].installed);
    StartAnsweringBoxes("Remote Control");
    EXPECT_EQ("", ResourceGrowth(2, 15, [] { Launch(APP_TOTALMEDIA, 9); }));
    EXPECT_GE(answeredBoxes, 17) << "each launch failed with its message";
    StopAnsweringBoxes();
    DeleteKeyTree("SOFTWARE\\ArcSoft");
    BuildProfile(APP_TOTALMEDIA);
}

static INT_PTR OpenDialog(int id, DLGPROC procedure)
{
    return DialogBoxParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(id), NULL, procedure, 0);
}

TEST_F(Balance, OpeningAndClosingEachDialog)
{
    const struct {
        const char *caption;
        std::function<INT_PTR()> open;
    } dialogs[] = {
        { "Remote Control - About", [] { return OpenDialog(21, AboutDialogProc); } },
        { "Remote Control - Setting", [] { return OpenDialog(20, SettingDialogProc); } },
        { "Remote Control - Shut Down", [this] { return ShowShutdownDialog(owner); } },
    };
    for (const auto &dialog : dialogs) {
        int shown = 0;
        EXPECT_EQ("", ResourceGrowth(2, 12, [&] {
            RunModal(dialog.open, dialog.caption, [&](HWND window) {
                ++shown;
                PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
            });
            DrainMessages();
        })) << dialog.caption;
        EXPECT_EQ(14, shown) << dialog.caption;
        EXPECT_EQ(NULL, FindDialog(dialog.caption));
    }
    shutdownDialogOpen = 0;
}

