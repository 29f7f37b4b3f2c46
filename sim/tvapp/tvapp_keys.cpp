// Keystrokes that reach the stand-in. Every key event while one of our windows is in front
// is recorded with its flags and then swallowed, so injected keys never turn into window
// messages and the record keeps them apart from posted messages. The hook writes its line
// before it returns, and the sender's keybd_event waits for the hook: the line is in the
// record when keybd_event returns.
#include "tvapp_keys.h"

#include "tvapp_messages.h"
#include "tvapp_record.h"

enum { VK_F4_KEY = 115 };

static HANDLE hookThread;
static DWORD hookThreadId;
static HANDLE hookReady;
static HHOOK keyHook;
static DWORD endTarget;
static int altHeld;
// Wine brings another process's window to the front asynchronously: the first keys sent right
// after SetForegroundWindow may still find the old foreground. A test that drives one
// stand-in takes every key so that none is lost to that delay.
static int takeAllKeys;

static int ForegroundIsOurs(void)
{
    HWND front = GetForegroundWindow();
    if (!front)
        return 0;
    DWORD processId = 0;
    GetWindowThreadProcessId(front, &processId);
    return processId == GetCurrentProcessId();
}

static int IsAlt(DWORD vk)
{
    return vk == VK_MENU || vk == VK_LMENU || vk == VK_RMENU;
}

static LRESULT CALLBACK KeyHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    // Once closing, the keys that follow (F4 and Alt going up) belong to whoever is next.
    if (code != HC_ACTION || RecordClosing() || (!takeAllKeys && !ForegroundIsOurs()))
        return CallNextHookEx(keyHook, code, wParam, lParam);
    const KBDLLHOOKSTRUCT *key = (const KBDLLHOOKSTRUCT *)lParam;
    int up = (key->flags & LLKHF_UP) != 0;
    RecordLine("key %lu %s ext=%d injected=%d scan=%lu extra=%llu", (unsigned long)key->vkCode, up ? "up" : "down",
               (key->flags & LLKHF_EXTENDED) ? 1 : 0, (key->flags & LLKHF_INJECTED) ? 1 : 0,
               (unsigned long)key->scanCode, (unsigned long long)key->dwExtraInfo);
    if (IsAlt(key->vkCode))
        altHeld = !up;
    // The keys never reach the window, so the hook plays the system's Alt+F4.
    if (key->vkCode == VK_F4_KEY && !up && altHeld && RecordClose("close alt-f4"))
        PostThreadMessageA(endTarget, WM_TVAPP_END, 0, 0);
    return 1;
}

static DWORD WINAPI HookThread(LPVOID)
{
    keyHook = SetWindowsHookExA(WH_KEYBOARD_LL, KeyHookProc, GetModuleHandleA(NULL), 0);
    // The queue must exist before the starter may post WM_QUIT to it.
    MSG message;
    PeekMessageA(&message, NULL, 0, 0, PM_NOREMOVE);
    SetEvent(hookReady);
    if (!keyHook)
        return 1;
    while (GetMessageA(&message, NULL, 0, 0) > 0)
        DispatchMessageA(&message);
    UnhookWindowsHookEx(keyHook);
    return 0;
}

int StartKeyHook(DWORD mainThreadId, int allKeys)
{
    endTarget = mainThreadId;
    takeAllKeys = allKeys;
    hookReady = CreateEventA(NULL, TRUE, FALSE, NULL);
    if (!hookReady)
        return 0;
    hookThread = CreateThread(NULL, 0, HookThread, NULL, 0, &hookThreadId);
    if (!hookThread)
        return 0;
    WaitForSingleObject(hookReady, INFINITE);
    return keyHook != NULL;
}

void StopKeyHook(void)
{
    if (!hookThread)
        return;
    PostThreadMessageA(hookThreadId, WM_QUIT, 0, 0);
    WaitForSingleObject(hookThread, 2000);
    CloseHandle(hookThread);
    hookThread = NULL;
}
