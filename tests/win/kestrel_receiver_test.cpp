// Presence of the stick through DirectShow, and the Polling/Waiting states of the receiver.
#include <gtest/gtest.h>
#include <dshow.h>
#include <string>
#include <vector>

#include "core/af15bdaex.h"
#include "core/capture_filter.h"
#include "base/app_timer.h"
#include "core/launch_watch.h"
#include "core/dispatch.h"
#include "core/main_window.h"
#include "core/receiver.h"
#include "stick_plug.h"
#include "stick_state.h"
#include "tuner_control.h"
#include "kestrel_window.h"
#include "win_support.h"

static const GUID videoInputCategory = CLSID_VideoInputDeviceCategory;

// CLSID of the device that the system enumerator lists first under that name.
static std::wstring FirstEnumeratedClsid(const wchar_t *name)
{
    std::wstring found;
    ICreateDevEnum *devices = NULL;
    if (FAILED(CoCreateInstance(CLSID_SystemDeviceEnum, NULL, CLSCTX_INPROC_SERVER,
                                IID_ICreateDevEnum, (void **)&devices)))
        return found;
    IEnumMoniker *monikers = NULL;
    if (devices->CreateClassEnumerator(captureFilterCategory, &monikers, 0) == S_OK) {
        IMoniker *moniker = NULL;
        while (found.empty() && monikers->Next(1, &moniker, NULL) == S_OK) {
            IPropertyBag *bag = NULL;
            if (SUCCEEDED(moniker->BindToStorage(NULL, NULL, IID_IPropertyBag, (void **)&bag))) {
                VARIANT friendly, clsid;
                VariantInit(&friendly);
                VariantInit(&clsid);
                if (bag->Read(L"FriendlyName", &friendly, NULL) == S_OK && friendly.vt == VT_BSTR
                    && wcscmp(friendly.bstrVal, name) == 0
                    && bag->Read(L"CLSID", &clsid, NULL) == S_OK && clsid.vt == VT_BSTR)
                    found = clsid.bstrVal;
                VariantClear(&friendly);
                VariantClear(&clsid);
                bag->Release();
            }
            moniker->Release();
        }
        monikers->Release();
    }
    devices->Release();
    return found;
}

static std::wstring ClsidOf(IBaseFilter *filter)
{
    CLSID clsid;
    if (FAILED(filter->GetClassID(&clsid)))
        return std::wstring();
    wchar_t text[64];
    StringFromGUID2(clsid, text, 64);
    return text;
}

class Presence : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(NULL);
        ASSERT_TRUE(TunerUnplugAll());
    }
    void TearDown() override
    {
        ReleaseReceiverCheck();
        TunerUnplugAll();
        CoUninitialize();
    }
};

TEST_F(Presence, NoDeviceIsAbsent)
{
    EXPECT_FALSE(IsReceiverPresent());
}

TEST_F(Presence, TheStickIsPresentWhilePluggedIn)
{
    ASSERT_TRUE(PlugStick());
    EXPECT_TRUE(IsReceiverPresent());
    ReleaseReceiverCheck();
    ASSERT_TRUE(UnplugStick());
    EXPECT_FALSE(IsReceiverPresent());
}

TEST_F(Presence, NameDifferingOnlyInCaseDoesNotCount)
{
    ASSERT_TRUE(TunerPlug(1, TUNER_CATEGORY_NETWORK, "AF9015 BDA FILTER", 0));
    ASSERT_TRUE(TunerPlug(2, TUNER_CATEGORY_NETWORK, "af9015 bda filter", 0));
    EXPECT_FALSE(IsReceiverPresent());
}

TEST_F(Presence, SameNameInAnotherCategoryDoesNotCount)
{
    ASSERT_TRUE(TunerPlug(1, TUNER_CATEGORY_VIDEO, "AF9015 BDA Filter", 0));
    EXPECT_FALSE(IsReceiverPresent());
}

TEST_F(Presence, NamesBeyondSeventyNineCharactersNeverMatch)
{
    std::string fits(79, 'n');
    fits.replace(0, 17, "AF9015 BDA Filter");
    std::string tooLong = fits + "X";
    ASSERT_TRUE(TunerPlug(1, TUNER_CATEGORY_NETWORK, fits.c_str(), 0));
    IBaseFilter *filter = FindCaptureFilter(fits.c_str(), captureFilterCategory);
    EXPECT_TRUE(filter != NULL) << "a 79-character name fits the buffer";
    if (filter)
        filter->Release();

    ASSERT_TRUE(TunerUnplugAll());
    ASSERT_TRUE(TunerPlug(1, TUNER_CATEGORY_NETWORK, tooLong.c_str(), 0));
    // Its first 79 characters equal the wanted name; a cut-off copy would match.
    filter = FindCaptureFilter(fits.c_str(), captureFilterCategory);
    EXPECT_TRUE(filter == NULL);
    if (filter)
        filter->Release();
}

TEST_F(Presence, FirstOfTwoMatchingDevicesIsBound)
{
    ASSERT_TRUE(TunerPlug(3, TUNER_CATEGORY_NETWORK, "AF9015 BDA Filter", 0));
    ASSERT_TRUE(TunerPlug(7, TUNER_CATEGORY_NETWORK, "AF9015 BDA Filter", 0));
    std::wstring first = FirstEnumeratedClsid(L"AF9015 BDA Filter");
    ASSERT_FALSE(first.empty());
    IBaseFilter *filter = FindCaptureFilter(captureFilterName, captureFilterCategory);
    ASSERT_TRUE(filter != NULL);
    EXPECT_EQ(first, ClsidOf(filter));
    filter->Release();
}

// Resets the receiver's process-wide state around a real main window.
class ReceiverStates : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetStick();
        ASSERT_TRUE(TunerUnplugAll());
        receiverReady = 1;
        ASSERT_TRUE(EnsureMainWindowClass());
    }
    void TearDown() override
    {
        DestroyProgramWindow();
        TunerUnplugAll();
        ResetStick();
    }
    void StartProgramWindow()
    {
        ASSERT_TRUE(CreateMainWindow(GetModuleHandleA(NULL)));
    }
};

TEST_F(ReceiverStates, StartsWaitingWhenUnplugged)
{
    StartProgramWindow();
    EXPECT_EQ(0, receiverReady);
    EXPECT_TRUE(ReceiverRetryTimer().running);
    EXPECT_EQ(3000u, ReceiverRetryTimer().periodMs);
    EXPECT_FALSE(pollTimer.running);
    StickState stick = StickSnapshot();
    EXPECT_EQ(1u, stick.initCalls) << "the receiver is opened whatever presence said";
    EXPECT_EQ(2u, stick.exitCalls) << "once for the missing filter, once for the failed open";
}

TEST_F(ReceiverStates, StartsPollingWhenPluggedIn)
{
    ASSERT_TRUE(PlugStick());
    StartProgramWindow();
    EXPECT_EQ(1, receiverReady);
    EXPECT_TRUE(pollTimer.running);
    EXPECT_EQ(100u, pollTimer.periodMs);
    EXPECT_FALSE(ReceiverRetryTimer().running);
    EXPECT_FALSE(watchTimer.running);
    EXPECT_EQ(MainWindow(), watchTimer.window);
    EXPECT_EQ(0u, StickSnapshot().exitCalls);
}

TEST_F(ReceiverStates, WaitingRetriesEveryThreeSecondsUntilThePlug)
{
    DWORD created = GetTickCount();
    StartProgramWindow();
    ASSERT_TRUE(PlugStick());
    // The first retry, three seconds after start-up, finds the stick and starts the reads.
    std::vector<DWORD> retries;
    ASSERT_TRUE(WaitForWindowTimers(MainWindow(), [] { return StickSnapshot().getIrCalls >= 2; }, 5000,
                                    [&](UINT_PTR id) { if (id == 3) retries.push_back(GetTickCount() - created); }));
    ASSERT_EQ(1u, retries.size());
    EXPECT_GE(retries[0], 2900u);
    EXPECT_LE(retries[0], 4000u);
    EXPECT_FALSE(KillTimer(MainWindow(), 3)) << "the retry timer was stopped";
}

struct IconWatch {
    StickState *stick;
    int iconWhileHeld;
};

// Looks for the tray icon for half a second while holding the receiver, then lets it go.
static DWORD WINAPI WatchForTheIcon(LPVOID parameter)
{
    IconWatch *watch = (IconWatch *)parameter;
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 500 && !watch->iconWhileHeld) {
        watch->iconWhileHeld = TrayIconCount() > 0;
        Sleep(5);
    }
    UnlockStick(watch->stick);
    return 0;
}

TEST_F(ReceiverStates, TrayIconComesAfterTheReceiverCheck)
{
    ASSERT_TRUE(PlugStick());
    // Holding the virtual receiver's lock stops start-up at its first receiver call.
    StickState *stick = OpenStickState();
    LockStick(stick);
    IconWatch watch = { stick, 0 };
    HANDLE watcher = CreateThread(NULL, 0, WatchForTheIcon, &watch, 0, NULL);
    ASSERT_TRUE(watcher != NULL);
    StartProgramWindow();
    WaitForSingleObject(watcher, 5000);
    CloseHandle(watcher);
    EXPECT_EQ(0, watch.iconWhileHeld) << "the icon was there before the receiver was opened";
    EXPECT_EQ(1, TrayIconCount());
    EXPECT_EQ(1u, StickSnapshot().initCalls);
}

// Whether the virtual tuner's server still holds a filter object that someone did not release.
static bool TunerObjectsAlive()
{
    HMODULE server = GetModuleHandleA("vtuner.dll");
    if (!server)
        return false;
    typedef HRESULT(WINAPI * CanUnload)(void);
    CanUnload canUnload = (CanUnload)(void (*)(void))GetProcAddress(server, "DllCanUnloadNow");
    return canUnload && canUnload() != S_OK;
}

static DWORD WINAPI TickWithoutCom(LPVOID window)
{
    PollRemote((HWND)window, WM_TIMER, 1, 0);
    // S_OK: the tick left this thread's COM uninitialised, as it found it.
    HRESULT after = CoInitialize(NULL);
    CoUninitialize();
    return after == S_OK;
}

TEST_F(ReceiverStates, PollingTickReleasesTheFilterItFoundAndWhatStartUpLeft)
{
    // This thread keeps COM, so the tuner's server stays loaded and can be asked.
    CoInitialize(NULL);
    ASSERT_TRUE(PlugStick());
    StartProgramWindow();
    PollRemote(MainWindow(), WM_TIMER, 1, 0);
    EXPECT_FALSE(TunerObjectsAlive());
    PollRemote(MainWindow(), WM_TIMER, 1, 0);
    EXPECT_FALSE(TunerObjectsAlive());
    EXPECT_TRUE(pollTimer.running) << "the stick is there";

    HANDLE thread = CreateThread(NULL, 0, TickWithoutCom, MainWindow(), 0, NULL);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 5000));
    DWORD balanced = 0;
    GetExitCodeThread(thread, &balanced);
    CloseHandle(thread);
    EXPECT_EQ(1u, balanced) << "a tick left COM initialised";
    EXPECT_FALSE(TunerObjectsAlive());
    CoUninitialize();
}

TEST_F(ReceiverStates, UnplugIsNoticedAtTheNextTick)
{
    ASSERT_TRUE(PlugStick());
    StartProgramWindow();
    ASSERT_TRUE(WaitFor([] { return StickSnapshot().getIrCalls >= 1; }, 1000));
    ASSERT_TRUE(UnplugStick());
    DWORD unplugged = GetTickCount();
    ASSERT_TRUE(WaitFor([] { return ReceiverRetryTimer().running; }, 1000));
    EXPECT_LE(GetTickCount() - unplugged, 250u);
    EXPECT_FALSE(pollTimer.running);
    EXPECT_EQ(0, receiverReady);
    // The polling path leaves closing the receiver to the retry.
    EXPECT_EQ(0u, StickSnapshot().exitCalls);
    DWORD reads = StickSnapshot().getIrCalls;
    PumpFor(300);
    EXPECT_EQ(reads, StickSnapshot().getIrCalls);
}

TEST_F(ReceiverStates, FailedOpenOnRetryStaysWaiting)
{
    StartProgramWindow();
    ASSERT_TRUE(PlugStick());
    StickState *stick = OpenStickState();
    LockStick(stick);
    stick->initFails = 1;
    UnlockStick(stick);
    StickState before = StickSnapshot();

    RetryReceiver(MainWindow(), WM_TIMER, RETRY_TIMER_ID, 0);
    StickState after = StickSnapshot();
    EXPECT_EQ(before.initCalls + 1, after.initCalls);
    EXPECT_EQ(before.exitCalls + 1, after.exitCalls);
    EXPECT_EQ(0, receiverReady);
    EXPECT_TRUE(ReceiverRetryTimer().running);
    EXPECT_FALSE(pollTimer.running);
}

TEST_F(ReceiverStates, RetryWithoutTheStickDoesNotOpen)
{
    StartProgramWindow();
    StickState before = StickSnapshot();
    RetryReceiver(MainWindow(), WM_TIMER, RETRY_TIMER_ID, 0);
    StickState after = StickSnapshot();
    EXPECT_EQ(before.initCalls, after.initCalls);
    EXPECT_EQ(before.exitCalls + 1, after.exitCalls);
    EXPECT_EQ(0, receiverReady);
    EXPECT_TRUE(ReceiverRetryTimer().running);
}
