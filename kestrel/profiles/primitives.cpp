// Keystrokes go to whatever window is in front, so they are sent only while the application's
// window is there; posted messages go to the looked-up window directly.
#include "profiles/primitives.h"

#include "base/seams.h"
#include "profiles/key_names.h"

// Modifiers and key of one injected combination.
enum { MOST_INJECTED_KEYS = 5 };
// A bound on the checks while waiting, whatever the clock does.
enum { FOREGROUND_WAIT_STEPS = FOREGROUND_WAIT_MS };

void Activate(HWND window)
{
    setForegroundWindow(window);
    SetActiveWindow(window);
}

void ActivateAndRaise(HWND window)
{
    Activate(window);
    BringWindowToTop(window);
}

// Keystrokes go to the thread that owns the foreground window, whichever of its windows it is.
static int InFront(DWORD thread)
{
    HWND front = GetForegroundWindow();
    return thread && front && GetWindowThreadProcessId(front, NULL) == thread;
}

// Another program's window came to the front. The front may also be no window for a moment
// while the system moves it, which hands the keys to no one else.
static int FrontTakenFrom(DWORD thread)
{
    HWND front = GetForegroundWindow();
    return front && front != GetDesktopWindow() && GetWindowThreadProcessId(front, NULL) != thread;
}

int BringToFront(HWND window)
{
    DWORD thread = GetWindowThreadProcessId(window, NULL);
    if (!thread)
        return 0;
    Activate(window);
    // The switch completes when the application's thread takes the activation, later on a busy
    // machine; Windows may also refuse it (foreground lock), then it never comes.
    DWORD start = GetTickCount();
    for (int step = 0; step < FOREGROUND_WAIT_STEPS && !InFront(thread); ++step) {
        if (GetTickCount() - start >= FOREGROUND_WAIT_MS)
            break;
        Sleep(1);
    }
    return InFront(thread);
}

int InjectKeys(HWND window, const BYTE *keys, int count, int extendedAll)
{
    if (count < 1)
        return 0;
    if (count > MOST_INJECTED_KEYS)
        count = MOST_INJECTED_KEYS;
    DWORD extended[MOST_INJECTED_KEYS];
    for (int i = 0; i < count; ++i)
        extended[i] = extendedAll || IsExtendedVk(keys[i]) ? KEYEVENTF_EXTENDEDKEY : 0;
    if (!BringToFront(window))
        return 0;
    DWORD thread = GetWindowThreadProcessId(window, NULL);
    int pressed = 0;
    while (pressed < count && !FrontTakenFrom(thread)) {
        keybd_event(keys[pressed], 0, extended[pressed], 0);
        ++pressed;
    }
    for (int i = pressed - 1; i >= 0; --i)
        keybd_event(keys[i], 0, extended[i] | KEYEVENTF_KEYUP, 0);
    return pressed == count;
}

int ChordKeys(HWND window, BYTE modifier1, BYTE modifier2, BYTE vk)
{
    BYTE keys[3];
    int count = 0;
    if (modifier1) {
        keys[count++] = modifier1;
        if (modifier2)
            keys[count++] = modifier2;
    }
    keys[count++] = vk;
    // The nine applications expect the extended flag on every event, letters included.
    return InjectKeys(window, keys, count, 1);
}

int TapKey(HWND window, BYTE vk)
{
    return ChordKeys(window, 0, 0, vk);
}

static int refusedPosts = 0;

int RefusedPosts(void)
{
    return refusedPosts;
}

void PostCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!PostMessageA(window, message, wParam, lParam) && GetLastError() == ERROR_ACCESS_DENIED)
        ++refusedPosts;
}

void PostKeyDown(HWND window, UINT vk, LPARAM lParam)
{
    PostCommand(window, WM_KEYDOWN, vk, lParam);
}
