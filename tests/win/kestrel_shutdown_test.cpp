// The shut-down confirmation: when key 11 opens it, how the remote answers it through the
// polling timer nested in its modal loop, how the mouse and keyboard answer it, and the
// power-off that a confirmation requests (through the seam: nothing is switched off).
#include <gtest/gtest.h>
#include <vector>

#include "base/app_timer.h"
#include "base/power_off.h"
#include "base/seams.h"
#include "core/af15bdaex.h"
#include "core/dispatch.h"
#include "core/key_route.h"
#include "core/mouse.h"
#include "core/receiver.h"
#include "dialog_probe.h"
#include "kestrel_window.h"
#include "profiles/app_windows.h"
#include "profiles/media_center.h"
#include "profiles/profile.h"
#include "stick_plug.h"
#include "tuner_control.h"
#include "ui/shutdown.h"
#include "win_support.h"

static const char caption[] = "Remote Control - Shut Down";

struct ExitCall {
    UINT flags;
    DWORD reason;
    int flagWhenCalled;
    bool dialogGone;
};
static std::vector<ExitCall> exitCalls;
static BOOL exitResult = TRUE;
static BOOL WINAPI RecordExit(UINT flags, DWORD reason)
{
    HWND dialog = FindDialog(caption);
    exitCalls.push_back({ flags, reason, shutdownDialogOpen, !dialog || !IsWindowVisible(dialog) });
    return exitResult;
}

static int dialogsSeen;
// Set where no confirmation may open: one that does is counted and cancelled, so the
// test fails instead of waiting in its modal loop.
static bool cancelSeenDialogs;
static void CALLBACK WatchForDialog(HWND, UINT, UINT_PTR, DWORD)
{
    static HWND last;
    HWND dialog = FindDialog(caption);
    if (dialog && dialog != last && IsWindowVisible(dialog)) {
        ++dialogsSeen;
        last = dialog;
    }
    if (dialog && cancelSeenDialogs)
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

static bool ShutdownPrivilegeEnabled()
{
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return false;
    LUID shutdown;
    LookupPrivilegeValueA(NULL, "SeShutdownPrivilege", &shutdown);
    BYTE buffer[4096];
    DWORD size = 0;
    bool enabled = false;
    if (GetTokenInformation(token, TokenPrivileges, buffer, sizeof buffer, &size)) {
        TOKEN_PRIVILEGES *privileges = (TOKEN_PRIVILEGES *)buffer;
        for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
            const LUID_AND_ATTRIBUTES &entry = privileges->Privileges[i];
            if (entry.Luid.LowPart == shutdown.LowPart && entry.Luid.HighPart == shutdown.HighPart)
                enabled = (entry.Attributes & SE_PRIVILEGE_ENABLED) != 0;
        }
    }
    CloseHandle(token);
    return enabled;
}

static void DisableShutdownPrivilege()
{
    HANDLE token;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token));
    TOKEN_PRIVILEGES state;
    state.PrivilegeCount = 1;
    LookupPrivilegeValueA(NULL, "SeShutdownPrivilege", &state.Privileges[0].Luid);
    state.Privileges[0].Attributes = 0;
    AdjustTokenPrivileges(token, FALSE, &state, 0, NULL, NULL);
    CloseHandle(token);
}

static POINT Cursor()
{
    POINT at;
    GetCursorPos(&at);
    return at;
}

class Shutdown : public ::testing::Test {
protected:
    HWND owner = NULL;
    std::vector<HWND> windows;
    UINT_PTR watch = 0;
    void SetUp() override
    {
        for (int i = 0; i <= TV_APP_COUNT; ++i)
            tvApps[i].active = 0;
        xpMediaCenter = 0;
        shutdownDialogOpen = 0;
        ResetKeyFilterState();
        exitCalls.clear();
        exitResult = TRUE;
        exitWindows = RecordExit;
        dialogsSeen = 0;
        cancelSeenDialogs = false;
        watch = SetTimer(NULL, 0, 20, WatchForDialog);
        owner = OpenTestWindow("ShutdownOwner", "owner");
        SetPointerBoundsFromDisplay(1024, 768);
    }
    void TearDown() override
    {
        KillTimer(NULL, watch);
        StopTimer(pollTimer);
        for (HWND window : windows)
            DestroyWindow(window);
        DestroyWindow(owner);
        exitWindows = ExitWindowsEx;
        windowsVersion = GetVersionExA;
        shutdownDialogOpen = 0;
        xpMediaCenter = 0;
        TunerUnplugAll();
    }
    // Opens the confirmation as the dispatcher does and lets drive answer it from inside.
    INT_PTR Confirm(const std::function<void(HWND)> &drive)
    {
        bool seen = false;
        INT_PTR result = RunModal([&] { return ShowShutdownDialog(owner); }, caption, drive, &seen);
        EXPECT_TRUE(seen);
        return result;
    }
    // The stick plugged and the real polling timer running on the owner window.
    void Poll()
    {
        ResetStick();
        ASSERT_TRUE(TunerUnplugAll());
        ASSERT_TRUE(PlugStick());
        ASSERT_TRUE(af15_init());
        BindTimer(pollTimer, owner, POLL_PERIOD_MS);
        StartTimer(pollTimer);
    }
    void Remote(const char *commands)
    {
        ASSERT_EQ(0, RunProgram("remote.exe", commands));
        ASSERT_TRUE(WaitFor([] { return StickSnapshot().count == 0; }, 10000));
        PumpFor(300);
    }
};

TEST_F(Shutdown, AnyOfTheNineWindowsMeansAnApplicationRuns)
{
    EXPECT_EQ(1, NoTvAppWindowPresent());
    const struct {
        const char *windowClass, *title;
    } rows[] = { { "ShutdownA", "PowerCinema" }, { "ShutdownB", "intervideo windvr" },
                 { "ShutdownC", "My IC-TV Media Center" }, { "eHome Render Window", "Windows Media Center" },
                 { "xpert_tvr", "" }, { "VUzevaMainPanel_Class", "TVR" }, { "ShutdownD", "Arcsoft TotalMedia" },
                 { "VUZEVA_DVBT", "x" }, { "VUzevaMainPanel_Class", "ZoruvUviro Zuvava" } };
    for (const auto &row : rows) {
        HWND window = OpenTestWindow(row.windowClass, row.title);
        EXPECT_EQ(0, NoTvAppWindowPresent()) << row.windowClass << " " << row.title;
        DestroyWindow(window);
    }
    windows.push_back(OpenTestWindow("eHome Render Window", "Media Center"));
    EXPECT_EQ(1, NoTvAppWindowPresent()) << "another title, and not the XP edition";
    xpMediaCenter = 1;
    EXPECT_EQ(0, NoTvAppWindowPresent()) << "the XP edition's window by its class alone";
}

TEST_F(Shutdown, KeyElevenWithAnApplicationWindowOpensNothing)
{
    // Not marked active, so key 11 takes the confirmation's route first.
    windows.push_back(OpenTestWindow("ShutdownD", "Arcsoft TotalMedia"));
    cancelSeenDialogs = true;
    RouteKey(Pressed(11), owner);
    PumpFor(100);
    EXPECT_EQ(0, dialogsSeen);
    EXPECT_EQ(0, shutdownDialogOpen);
    EXPECT_EQ(1, tvApps[APP_TOTALMEDIA].active) << "the key went on to the application";
}

TEST_F(Shutdown, AsItOpens)
{
    std::vector<DialogControl> controls;
    RECT window = {};
    LONG exStyle = 0, fontHeight = 0;
    std::string font;
    int flag = 0;
    BOOL ownerEnabled = TRUE;
    HWND seenDialog = NULL, front = NULL;
    COLORREF iconCentre = 0;
    EXPECT_EQ(IDCANCEL, Confirm([&](HWND dialog) {
                  seenDialog = dialog;
                  flag = shutdownDialogOpen;
                  ownerEnabled = IsWindowEnabled(owner);
                  front = GetForegroundWindow();
                  controls = ReadControls(dialog);
                  GetWindowRect(dialog, &window);
                  exStyle = GetWindowLongA(dialog, GWL_EXSTYLE);
                  font = DialogFont(dialog, &fontHeight);
                  if (controls.size() == 4)
                      iconCentre = IconCentre(GetWindow(GetWindow(GetDlgItem(dialog, IDCANCEL), GW_HWNDNEXT), GW_HWNDNEXT));
                  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
              }));
    EXPECT_EQ(1, flag);
    EXPECT_EQ(seenDialog, shutdownDialogWindow);
    EXPECT_EQ(seenDialog, front) << "in front";
    EXPECT_FALSE(ownerEnabled) << "modal to its owner";
    EXPECT_EQ(350, window.left);
    EXPECT_EQ(300, window.top);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_EQ("Arial", font);
    EXPECT_EQ(-11, fontHeight);
    ASSERT_EQ(4u, controls.size());
    EXPECT_EQ("OK", controls[0].text);
    EXPECT_EQ("Cancel", controls[1].text);
    EXPECT_EQ("Press \"Power\" to shut down your computer, or any other key to cancel.", controls[2].text);
    EXPECT_EQ((DWORD)SS_ICON, controls[3].style & SS_TYPEMASK);
    EXPECT_EQ(RGB(255, 255, 255), iconCentre) << "the shut-down icon, white in its middle";
    EXPECT_EQ(0u, exitCalls.size());
}

TEST_F(Shutdown, RemotePowerConfirmsThroughTheNestedTick)
{
    Poll();
    DisableShutdownPrivilege();
    Remote("press 11 pause 400 press 19");
    ASSERT_TRUE(WaitFor([] { return exitCalls.size() >= 1; }, 5000));
    EXPECT_EQ(1, dialogsSeen);
    ASSERT_EQ(1u, exitCalls.size());
    EXPECT_EQ((UINT)(EWX_POWEROFF | EWX_FORCE), exitCalls[0].flags);
    EXPECT_EQ(0u, exitCalls[0].reason);
    EXPECT_EQ(0, exitCalls[0].flagWhenCalled) << "cleared before the dialog ends";
    EXPECT_TRUE(ShutdownPrivilegeEnabled());
    EXPECT_TRUE(WaitFor([] { return FindDialog(caption) == NULL; }, 3000));
    EXPECT_EQ(0, shutdownDialogOpen);
}

TEST_F(Shutdown, AnyOtherRemoteKeyCancelsAndDoesNothingElse)
{
    Poll();
    ASSERT_TRUE(PlaceCursor(500, 400));
    Remote("press 11 pause 400 press 6");
    EXPECT_EQ(1, dialogsSeen);
    EXPECT_TRUE(WaitFor([] { return FindDialog(caption) == NULL; }, 3000));
    EXPECT_EQ(0u, exitCalls.size());
    EXPECT_EQ(0, shutdownDialogOpen);
    EXPECT_EQ(500, Cursor().x) << "key 6 only answered the dialog";

    // Closed: the same key drives the pointer again.
    Remote("pause 400 press 6");
    EXPECT_EQ(501, Cursor().x);
}

TEST_F(Shutdown, KeysForwardedByTheDispatcher)
{
    // A repeat is held back only while an application is driven.
    tvApps[APP_XPERTTVR].active = 1;
    EXPECT_EQ(VK_ESCAPE, Confirm([&](HWND) { RouteKey(HeldBack(KEY_POWER), owner); })) << "a held-back repeat of Power";
    tvApps[APP_XPERTTVR].active = 0;
    EXPECT_EQ(0u, exitCalls.size());
    EXPECT_EQ(VK_ESCAPE, Confirm([&](HWND) { RouteKey(Pressed(0), owner); }));
    EXPECT_EQ(0u, exitCalls.size());
    EXPECT_EQ(VK_RETURN, Confirm([&](HWND) { RouteKey(Pressed(KEY_POWER), owner); }));
    ASSERT_EQ(1u, exitCalls.size());
    EXPECT_EQ(0, exitCalls[0].flagWhenCalled);
    EXPECT_TRUE(exitCalls[0].dialogGone) << "power-off comes after the dialog";
    EXPECT_EQ(0, shutdownDialogOpen);
}

TEST_F(Shutdown, MouseAndKeyboard)
{
    ASSERT_TRUE(PlaceCursor(500, 400));
    EXPECT_EQ(IDCANCEL, Confirm([](HWND dialog) { ClickControl(GetDlgItem(dialog, IDCANCEL)); }));
    EXPECT_EQ(0, shutdownDialogOpen);
    EXPECT_EQ(IDCANCEL, Confirm([](HWND dialog) {
                  POINT close = CloseBoxPoint(dialog);
                  ClickAt(close.x, close.y);
              }));
    EXPECT_EQ(0, shutdownDialogOpen);
    EXPECT_EQ(IDCANCEL, Confirm([](HWND dialog) { PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0); (void)dialog; }));
    EXPECT_EQ(0, shutdownDialogOpen);
    EXPECT_EQ(0u, exitCalls.size());
    // Later keys take their normal way again.
    ASSERT_TRUE(PlaceCursor(500, 400));
    RouteKey(Pressed(6), owner);
    EXPECT_EQ(501, Cursor().x);

    EXPECT_EQ(IDOK, Confirm([](HWND dialog) { ClickControl(GetDlgItem(dialog, IDOK)); }));
    ASSERT_EQ(1u, exitCalls.size());
    EXPECT_EQ((UINT)(EWX_POWEROFF | EWX_FORCE), exitCalls[0].flags);
    EXPECT_EQ(0, exitCalls[0].flagWhenCalled);
    EXPECT_EQ(0, shutdownDialogOpen);
}

TEST_F(Shutdown, AConfirmationThatCannotOpenKeepsNoKeys)
{
    HWND gone = OpenTestWindow("ShutdownGone", "gone");
    DestroyWindow(gone);
    EXPECT_EQ(0, ShowShutdownDialog(gone));
    EXPECT_EQ(0, shutdownDialogOpen);
    EXPECT_EQ(0, dialogsSeen);
}

// PowerOffComputer alone.
static BOOL WINAPI Windows98(OSVERSIONINFOA *version)
{
    if (version->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA))
        return FALSE;
    version->dwMajorVersion = 4;
    version->dwMinorVersion = 10;
    version->dwPlatformId = VER_PLATFORM_WIN32_WINDOWS;
    return TRUE;
}

class PowerOff : public ::testing::Test {
protected:
    void SetUp() override
    {
        exitCalls.clear();
        exitResult = TRUE;
        exitWindows = RecordExit;
        StartAnsweringBoxes("Remote Control");
    }
    void TearDown() override
    {
        StopAnsweringBoxes();
        exitWindows = ExitWindowsEx;
        windowsVersion = GetVersionExA;
    }
};

TEST_F(PowerOff, NtFamilyEnablesThePrivilegeAndForcesPowerOff)
{
    DisableShutdownPrivilege();
    ASSERT_FALSE(ShutdownPrivilegeEnabled());
    PowerOffComputer();
    ASSERT_EQ(1u, exitCalls.size());
    EXPECT_EQ(0xCu, exitCalls[0].flags);
    EXPECT_TRUE(ShutdownPrivilegeEnabled());
    EXPECT_EQ(0, answeredBoxes);
}

TEST_F(PowerOff, RefusalIsReported)
{
    exitResult = FALSE;
    PowerOffComputer();
    EXPECT_EQ(1u, exitCalls.size());
    EXPECT_EQ(1, answeredBoxes);
    EXPECT_EQ("Can't run ExitWindowsEx.", answeredBoxText);
    EXPECT_FALSE(answeredBoxHadCancel);
}

TEST_F(PowerOff, NinetyFiveFamilyShutsDownPlainlyAndSaysNothing)
{
    windowsVersion = Windows98;
    exitResult = FALSE;
    PowerOffComputer();
    ASSERT_EQ(1u, exitCalls.size());
    EXPECT_EQ((UINT)EWX_SHUTDOWN, exitCalls[0].flags);
    PumpFor(100);
    EXPECT_EQ(0, answeredBoxes);
}
