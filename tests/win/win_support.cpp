// Helpers shared by the Win32 and end-to-end tests.
#include "win_support.h"

#include <string.h>
#include <vector>

void PumpFor(DWORD milliseconds)
{
    WaitFor([] { return false; }, milliseconds);
}

int PlaceCursor(int x, int y)
{
    DWORD start = GetTickCount();
    int steady = 0;
    while (GetTickCount() - start < 3000) {
        POINT at;
        if (GetCursorPos(&at) && at.x == x && at.y == y) {
            if (++steady == 3)
                return 1;
        } else {
            steady = 0;
            SetCursorPos(x, y);
        }
        PumpFor(20);
    }
    return 0;
}

std::string ModuleFolder(void)
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string folder(path, length < MAX_PATH ? length : 0);
    size_t slash = folder.find_last_of('\\');
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

StickState StickSnapshot(void)
{
    StickState copy;
    ZeroMemory(&copy, sizeof copy);
    StickState *state = OpenStickState();
    if (!state)
        return copy;
    LockStick(state);
    copy = *state;
    UnlockStick(state);
    return copy;
}

void QueueStickReport(BYTE status, const BYTE report[8], BYTE reportBytes)
{
    StickState *state = OpenStickState();
    if (!state)
        return;
    LockStick(state);
    if (state->count < STICK_QUEUE_SIZE) {
        StickEvent &event = state->queue[(state->head + state->count) % STICK_QUEUE_SIZE];
        event.due = GetTickCount();
        event.status = status;
        memcpy(event.report, report, sizeof event.report);
        event.reportBytes = reportBytes;
        state->count++;
    }
    UnlockStick(state);
}

void QueueStickKey(BYTE code)
{
    BYTE report[8] = { 7, 0xF8, code, (BYTE)~code, 0, 0, 0, 0 };
    QueueStickReport(1, report, 0);
}

void ResetStick(void)
{
    StickState *state = OpenStickState();
    if (!state)
        return;
    LockStick(state);
    DWORD magic = state->magic;
    ZeroMemory((BYTE *)state + sizeof(DWORD) * 2, sizeof *state - sizeof(DWORD) * 2);
    state->magic = magic;
    UnlockStick(state);
}

HWND OpenTestWindow(const char *windowClass, const char *title, WNDPROC procedure, DWORD style,
                    DWORD extendedStyle, int x, int y, int width, int height)
{
    WNDCLASSA registration;
    ZeroMemory(&registration, sizeof registration);
    registration.lpfnWndProc = procedure;
    registration.hInstance = GetModuleHandleA(NULL);
    registration.lpszClassName = windowClass;
    RegisterClassA(&registration);
    return CreateWindowExA(extendedStyle, windowClass, title, style, x, y, width, height, NULL, NULL,
                           GetModuleHandleA(NULL), NULL);
}

void EndKestrel(HANDLE &process)
{
    if (!process)
        return;
    HWND window = FindWindowA("Remote Control", NULL);
    if (window)
        PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process, 5000) != WAIT_OBJECT_0)
        TerminateProcess(process, 99);
    CloseHandle(process);
    process = NULL;
}

int StartCommandLine(const char *program, const std::string &commandLine, const char *folder,
                     PROCESS_INFORMATION *process)
{
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    ZeroMemory(process, sizeof *process);
    if (!CreateProcessA(program, buffer.data(), NULL, NULL, FALSE, 0, NULL, folder, &startup, process))
        return 0;
    if (process->hThread)
        CloseHandle(process->hThread);
    process->hThread = NULL;
    return 1;
}

HANDLE StartProgram(const std::string &program, const std::string &arguments)
{
    std::string path = ModuleFolder() + program;
    std::string commandLine = "\"" + path + "\"" + (arguments.empty() ? "" : " " + arguments);
    PROCESS_INFORMATION process;
    if (!StartCommandLine(path.c_str(), commandLine, ModuleFolder().c_str(), &process))
        return NULL;
    return process.hProcess;
}

int RunProgram(const std::string &program, const std::string &arguments, DWORD timeoutMs)
{
    HANDLE process = StartProgram(program, arguments);
    if (!process)
        return -1;
    DWORD code = (DWORD)-1;
    if (WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process, &code);
    else
        TerminateProcess(process, 99);
    CloseHandle(process);
    return (int)code;
}

std::string TestTempFolder(const std::string &name)
{
    char temp[MAX_PATH];
    DWORD length = GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp, length < sizeof temp ? length : 0) + name;
    CreateDirectoryA(folder.c_str(), NULL);
    return folder;
}

std::string answeredBoxText;
bool answeredBoxHadCancel = false;
int answeredBoxes = 0;
static std::string boxCaption;
static void (*boxHook)(void) = NULL;
static UINT_PTR boxTimer = 0;

static void CALLBACK AnswerBox(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = FindWindowA("#32770", boxCaption.c_str());
    if (!box || !IsWindowVisible(box))
        return;
    char text[256] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    answeredBoxText = text;
    answeredBoxHadCancel = GetDlgItem(box, IDCANCEL) != NULL || GetDlgItem(box, IDNO) != NULL;
    ++answeredBoxes;
    if (boxHook)
        boxHook();
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

void StartAnsweringBoxes(const char *caption, void (*beforeAnswer)(void))
{
    StopAnsweringBoxes();
    boxCaption = caption;
    boxHook = beforeAnswer;
    answeredBoxText.clear();
    answeredBoxHadCancel = false;
    answeredBoxes = 0;
    boxTimer = SetTimer(NULL, 0, 30, AnswerBox);
}

void StopAnsweringBoxes(void)
{
    if (boxTimer)
        KillTimer(NULL, boxTimer);
    boxTimer = 0;
}

HWND TrayIconWindow(void)
{
    HWND tray = FindWindowA("__winex11_standalone_tray", NULL);
    return tray ? FindWindowExA(tray, NULL, "__winex11_tray_icon", NULL) : NULL;
}

int TrayIconCount(void)
{
    HWND tray = FindWindowA("__winex11_standalone_tray", NULL);
    int count = 0;
    for (HWND icon = tray ? FindWindowExA(tray, NULL, "__winex11_tray_icon", NULL) : NULL; icon;
         icon = FindWindowExA(tray, icon, "__winex11_tray_icon", NULL))
        ++count;
    return count;
}

struct TipSearch {
    HWND icon;
    HWND tip;
};

static BOOL CALLBACK FindShownTip(HWND window, LPARAM parameter)
{
    TipSearch *search = (TipSearch *)parameter;
    char name[32] = "";
    GetClassNameA(window, name, sizeof name);
    // Made with the icon as parent, the tooltip is owned by the tray window the icon sits in.
    HWND owner = GetWindow(window, GW_OWNER);
    if (lstrcmpiA(name, "tooltips_class32") == 0 && (owner == search->icon || owner == GetParent(search->icon))
        && IsWindowVisible(window)) {
        search->tip = window;
        return FALSE;
    }
    return TRUE;
}

std::string ShownTrayTip(HWND icon, DWORD timeoutMs)
{
    RECT place;
    if (!icon || !GetWindowRect(icon, &place))
        return std::string();
    // The tooltip shows only while the pointer rests on the icon.
    SetCursorPos((place.left + place.right) / 2, (place.top + place.bottom) / 2);
    mouse_event(MOUSEEVENTF_MOVE, 0, 0, 0, 0);
    TipSearch search = { icon, NULL };
    WaitFor([&] {
        EnumWindows(FindShownTip, (LPARAM)&search);
        return search.tip != NULL;
    }, timeoutMs);
    // Not GetWindowText: for another process's window it reads no tooltip's text.
    WCHAR wide[128] = L"";
    char text[128] = "";
    if (search.tip && SendMessageW(search.tip, WM_GETTEXT, 128, (LPARAM)wide) > 0)
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, NULL, NULL);
    return text;
}

static HANDLE mouseThread = NULL;
static DWORD mouseThreadId = 0;
static CRITICAL_SECTION mouseLock;
static std::vector<UINT> mouseButtons;

static LRESULT CALLBACK RecordMouse(int code, WPARAM message, LPARAM info)
{
    if (code == HC_ACTION && message != WM_MOUSEMOVE) {
        EnterCriticalSection(&mouseLock);
        mouseButtons.push_back((UINT)message);
        LeaveCriticalSection(&mouseLock);
    }
    return CallNextHookEx(NULL, code, message, info);
}

static DWORD WINAPI MouseHookThread(LPVOID ready)
{
    HHOOK hook = SetWindowsHookExA(WH_MOUSE_LL, RecordMouse, GetModuleHandleA(NULL), 0);
    MSG message;
    PeekMessageA(&message, NULL, 0, 0, PM_NOREMOVE);
    SetEvent((HANDLE)ready);
    if (!hook)
        return 1;
    while (GetMessageA(&message, NULL, 0, 0) > 0)
        DispatchMessageA(&message);
    UnhookWindowsHookEx(hook);
    return 0;
}

int StartMouseRecorder(void)
{
    static int lockMade = 0;
    if (!lockMade) {
        InitializeCriticalSection(&mouseLock);
        lockMade = 1;
    }
    StopMouseRecorder();
    mouseButtons.clear();
    HANDLE ready = CreateEventA(NULL, TRUE, FALSE, NULL);
    mouseThread = CreateThread(NULL, 0, MouseHookThread, ready, 0, &mouseThreadId);
    int started = mouseThread && WaitForSingleObject(ready, 5000) == WAIT_OBJECT_0
                  && WaitForSingleObject(mouseThread, 0) == WAIT_TIMEOUT;
    CloseHandle(ready);
    return started;
}

std::vector<UINT> RecordedMouseButtons(void)
{
    // Events injected just before still pass the hook thread first.
    PumpFor(50);
    EnterCriticalSection(&mouseLock);
    std::vector<UINT> copy = mouseButtons;
    LeaveCriticalSection(&mouseLock);
    return copy;
}

void StopMouseRecorder(void)
{
    if (!mouseThread)
        return;
    PostThreadMessageA(mouseThreadId, WM_QUIT, 0, 0);
    WaitForSingleObject(mouseThread, 5000);
    CloseHandle(mouseThread);
    mouseThread = NULL;
}

void *RedirectImport(const char *dll, const char *function, void *wrapper)
{
    BYTE *base = (BYTE *)GetModuleHandleA(NULL);
    IMAGE_NT_HEADERS *headers = (IMAGE_NT_HEADERS *)(base + ((IMAGE_DOS_HEADER *)base)->e_lfanew);
    IMAGE_DATA_DIRECTORY imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (IMAGE_IMPORT_DESCRIPTOR *module = (IMAGE_IMPORT_DESCRIPTOR *)(base + imports.VirtualAddress);
         module->Name; ++module) {
        if (lstrcmpiA((const char *)(base + module->Name), dll) != 0)
            continue;
        IMAGE_THUNK_DATA *names = (IMAGE_THUNK_DATA *)(base + module->OriginalFirstThunk);
        IMAGE_THUNK_DATA *slots = (IMAGE_THUNK_DATA *)(base + module->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            IMAGE_IMPORT_BY_NAME *name = (IMAGE_IMPORT_BY_NAME *)(base + names->u1.AddressOfData);
            if (strcmp((const char *)name->Name, function) != 0)
                continue;
            DWORD protection;
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &protection);
            void *real = (void *)slots->u1.Function;
            slots->u1.Function = (ULONG_PTR)wrapper;
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
            return real;
        }
    }
    return NULL;
}
