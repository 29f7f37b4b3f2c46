// Presence of the stick, the receiver's open at start-up and the 3-second retry.
#include "core/receiver.h"

#include <dshow.h>

#include "core/af15bdaex.h"
#include "core/capture_filter.h"

int receiverReady = 1;
static AppTimer retryTimer(RETRY_TIMER_ID, RetryReceiver);

// The key polling that the retry hands back to; its owner names it when it starts the timers.
static AppTimer *pollingTimer = NULL;

const char captureFilterName[] = "AF9015 BDA Filter";
// KSCATEGORY_BDA_NETWORK_TUNER
const GUID captureFilterCategory =
    { 0x71985F48, 0x1CA1, 0x11D3, { 0x9C, 0xC8, 0x00, 0xC0, 0x4F, 0x79, 0x71, 0xE0 } };

static IBaseFilter *captureFilter = NULL;

const AppTimer &ReceiverRetryTimer(void)
{
    return retryTimer;
}

int IsReceiverPresent(void)
{
    CoInitialize(NULL);
    // A check that was not released yet (start-up, retry) is dropped before the next one.
    if (captureFilter) {
        captureFilter->Release();
        captureFilter = NULL;
    }
    captureFilter = FindCaptureFilter(captureFilterName, captureFilterCategory);
    return captureFilter != NULL;
}

void ReleaseReceiverCheck(void)
{
    if (captureFilter) {
        captureFilter->Release();
        captureFilter = NULL;
    }
    CoUninitialize();
}

void OpenReceiverAtStartup(void)
{
    if (!IsReceiverPresent()) {
        af15_exit();
        receiverReady = 0;
    }
    // The receiver is opened whatever the presence check said.
    if (!af15_init()) {
        af15_exit();
        receiverReady = 0;
    }
}

void StartReceiverTimers(HWND window, AppTimer &polling)
{
    pollingTimer = &polling;
    BindTimer(retryTimer, window, RETRY_PERIOD_MS);
    if (receiverReady)
        StartTimer(polling);
    else
        StartTimer(retryTimer);
}

void WaitForReceiver(AppTimer &polling)
{
    pollingTimer = &polling;
    StopTimer(polling);
    StartTimer(retryTimer);
    receiverReady = 0;
}

void CALLBACK RetryReceiver(HWND, UINT, UINT_PTR, DWORD)
{
    if (IsReceiverPresent() && af15_init()) {
        receiverReady = 1;
        StopTimer(retryTimer);
        if (pollingTimer)
            StartTimer(*pollingTimer);
        return;
    }
    af15_exit();
    receiverReady = 0;
}
