// TV application stand-in: poses as one of the nine TV applications, by its own file name
// or as told, and records every key, message and close it receives, in order.
//
//   tvapp [--as N] [--class C] [--title T] [--popup CLASS[:TITLE]]... [--player |
//         --visible-player] [--record PATH] [other words, e.g. remote]
//
// The record goes to PATH, else to <folder of the program>\<its name without extension>.record.txt.
#include <windows.h>
#include <stdlib.h>
#include <string.h>

#include "tvapp_keys.h"
#include "tvapp_messages.h"
#include "tvapp_options.h"
#include "tvapp_pose.h"
#include "tvapp_record.h"
#include "tvapp_windows.h"

static int IsRecordedMessage(UINT message)
{
    switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case 911:
    case 3024:
    case 4024:
    case 5401:
        return 1;
    }
    return 0;
}

// The private commands (and WinDVR's 'X' key-down) that the applications take as exit.
static int IsCloseCommand(const MSG &message)
{
    switch (message.message) {
    case 5401:
        return message.wParam == 5400 && message.lParam == 1;
    case 4024:
        return message.wParam == 1 || message.wParam == 25;
    case 3024:
        return message.wParam == 1;
    case WM_KEYDOWN:
        return message.wParam == 88 && message.lParam == 0x002D0001;
    }
    return 0;
}

// What the message loop retrieved, recorded before it is dispatched.
static void NoteMessage(const MSG &message)
{
    if (message.message == WM_TVAPP_MARK) {
        RecordLine("mark %llu", (unsigned long long)message.wParam);
        return;
    }
    if (message.message == WM_TVAPP_END) {
        CloseMainWindow();
        return;
    }
    const char *tag = WindowTag(message.hwnd);
    if (!tag || !IsRecordedMessage(message.message))
        return;
    RecordLine("post %s %u %llu %llu fg=%d", tag, message.message,
               (unsigned long long)message.wParam, (unsigned long long)(ULONG_PTR)message.lParam,
               GetForegroundWindow() == message.hwnd ? 1 : 0);
    if (IsCloseCommand(message) && RecordClose("close command %s", tag))
        CloseMainWindow();
}

// <folder>\<name without extension>.record.txt
static int DefaultRecordPath(const char *modulePath, char *path, size_t size)
{
    const char *name = strrchr(modulePath, '\\');
    name = name ? name + 1 : modulePath;
    const char *dot = strrchr(name, '.');
    size_t stem = dot ? (size_t)(dot - modulePath) : strlen(modulePath);
    static const char suffix[] = ".record.txt";
    if (stem + sizeof suffix > size)
        return 0;
    memcpy(path, modulePath, stem);
    memcpy(path + stem, suffix, sizeof suffix);
    return 1;
}

static int Fail(const char *reason, int code)
{
    RecordLine("error %s", reason);
    RecordEnd();
    return code;
}

// Pop-ups and player first: whoever finds the main window finds them too.
static int OpenWindows(const TvAppPose *pose, const TvAppOptions &options)
{
    for (int i = 0; i < options.popupCount; ++i) {
        if (!OpenExtraWindow(options.popups[i].windowClass, options.popups[i].title, 1))
            return 0;
    }
    if (options.player != PLAYER_NONE
        && !OpenExtraWindow("VUzevaPlayer_Class", "PictureView", options.player == PLAYER_VISIBLE))
        return 0;
    const char *windowClass = options.windowClass ? options.windowClass : pose->windowClass;
    const char *title = options.title ? options.title : pose->title;
    return OpenMainWindow(windowClass, title) != NULL;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char modulePath[MAX_PATH];
    DWORD length = GetModuleFileNameA(NULL, modulePath, sizeof modulePath);
    if (length == 0 || length >= sizeof modulePath)
        return 3;
    TvAppOptions options;
    int parsed = ParseOptions(__argc, __argv, &options);

    char recordPath[MAX_PATH + 16];
    if (parsed && options.recordPath) {
        size_t size = strlen(options.recordPath);
        if (size >= sizeof recordPath)
            return 3;
        memcpy(recordPath, options.recordPath, size + 1);
    } else if (!DefaultRecordPath(modulePath, recordPath, sizeof recordPath)) {
        return 3;
    }
    if (!OpenRecord(recordPath))
        return 3;
    RecordLine("start %s", GetCommandLineA());
    if (!parsed)
        return Fail("bad command line", 2);

    const char *fileName = strrchr(modulePath, '\\');
    fileName = fileName ? fileName + 1 : modulePath;
    const TvAppPose *pose = options.poseIndex ? PoseByIndex(options.poseIndex) : PoseByExeName(fileName);
    if (!pose)
        return Fail("no pose: name the program after an application or pass --as N", 2);

    // The hook is in place before any window can be found, so no early key escapes it.
    if (!StartKeyHook(GetCurrentThreadId(), options.allKeys))
        return Fail("no keyboard hook", 3);
    if (!OpenWindows(pose, options)) {
        StopKeyHook();
        return Fail("cannot open the windows", 3);
    }

    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        NoteMessage(message);
        DispatchMessageA(&message);
    }
    RecordEnd();
    StopKeyHook();
    return 0;
}
