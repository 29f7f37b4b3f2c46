// Helpers of the tollgate tests.
#include "tollgate_support.h"

#include <stdio.h>
#include <string.h>

#include "record_file.h"
#include "win_support.h"

static void RemoveTree(const std::string &folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

static void MakeFolders(const std::string &path)
{
    for (size_t at = path.find('\\', 3); ; at = path.find('\\', at + 1)) {
        CreateDirectoryA(path.substr(0, at).c_str(), NULL);
        if (at == std::string::npos)
            break;
    }
}

static void MakeParent(const std::string &path)
{
    size_t slash = path.find_last_of('\\');
    if (slash != std::string::npos)
        MakeFolders(path.substr(0, slash));
}

void WriteWholeFile(const std::string &path, const std::string &bytes)
{
    MakeParent(path);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, NULL);
    CloseHandle(file);
}

bool CopyProgram(const std::string &program, const std::string &target)
{
    MakeParent(target);
    return CopyFileA((ModuleFolder() + program).c_str(), target.c_str(), FALSE) != 0;
}

Medium::Medium(const std::string &name) : folder("C:\\tollgate-media\\" + name)
{
    RemoveTree(folder);
    MakeFolders(folder);
}

void Medium::AddStub(const std::string &relative, const std::string &plan) const
{
    CopyProgram("setupstub.exe", Path(relative));
    WriteWholeFile(Path(relative) + ".plan", "[stub]\r\n" + plan);
}

void Medium::AddLauncher(const std::string &name) const
{
    CopyProgram("Setup.exe", Path(name));
}

void Medium::WriteSettings(const std::string &text) const
{
    WriteWholeFile(Path("Setting.ini"), text);
}

void Medium::WriteFile(const std::string &relative, const std::string &bytes) const
{
    WriteWholeFile(Path(relative), bytes);
}

static std::string Field(const std::string &line, const std::string &name)
{
    size_t at = line.find("\t" + name + "=");
    if (at == std::string::npos)
        return std::string();
    at += name.size() + 2;
    size_t end = name == "cmd" ? line.size() : line.find('\t', at);
    return line.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

std::vector<StubEvent> ReadStubRecord(const std::string &path)
{
    std::vector<StubEvent> events;
    std::string text = ReadWholeFile(path.c_str());
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find("\r\n", at);
        if (end == std::string::npos)
            break;
        std::string line = text.substr(at, end - at);
        at = end + 2;
        StubEvent event;
        event.start = line.compare(0, 6, "start\t") == 0;
        event.pid = strtoul(Field(line, "pid").c_str(), NULL, 10);
        event.overlap = Field(line, "overlap") == "1";
        event.exe = Field(line, "exe");
        event.cwd = Field(line, "cwd");
        event.cmd = Field(line, "cmd");
        if (!event.start) {
            for (const StubEvent &earlier : events)
                if (earlier.start && earlier.pid == event.pid)
                    event.exe = earlier.exe;
        }
        events.push_back(event);
    }
    return events;
}

std::string RelativeTo(const std::string &folder, const std::string &path)
{
    if (path.compare(0, folder.size() + 1, folder + "\\") == 0)
        return path.substr(folder.size() + 1);
    return path;
}

std::vector<std::string> StubTimeline(const std::string &path, const std::string &folder)
{
    std::vector<std::string> timeline;
    for (const StubEvent &event : ReadStubRecord(path))
        timeline.push_back((event.start ? "start " : "end ") + RelativeTo(folder, event.exe));
    return timeline;
}

static int SetValue(HKEY root, const char *key, const char *name, DWORD type, const BYTE *data,
                    DWORD size)
{
    HKEY handle;
    if (RegCreateKeyExA(root, key, 0, NULL, 0, KEY_SET_VALUE, NULL, &handle, NULL) != ERROR_SUCCESS)
        return 0;
    int ok = RegSetValueExA(handle, name, 0, type, data, size) == ERROR_SUCCESS;
    RegCloseKey(handle);
    return ok;
}

int SetRegistryDword(HKEY root, const char *key, const char *name, DWORD value)
{
    return SetValue(root, key, name, REG_DWORD, (const BYTE *)&value, sizeof value);
}

int SetRegistryString(HKEY root, const char *key, const char *name, const char *value)
{
    return SetValue(root, key, name, REG_SZ, (const BYTE *)value, (DWORD)strlen(value) + 1);
}

void DeleteRegistryValue(HKEY root, const char *key, const char *name)
{
    HKEY handle;
    if (RegOpenKeyExA(root, key, 0, KEY_SET_VALUE, &handle) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(handle, name);
    RegCloseKey(handle);
}

void DeleteRegistryTree(HKEY root, const char *key)
{
    HKEY handle;
    if (RegOpenKeyExA(root, key, 0, KEY_READ | KEY_WRITE, &handle) != ERROR_SUCCESS)
        return;
    char child[256];
    DWORD size = sizeof child;
    while (RegEnumKeyExA(handle, 0, child, &size, NULL, NULL, NULL, NULL) == ERROR_SUCCESS) {
        DeleteRegistryTree(handle, child);
        size = sizeof child;
    }
    RegCloseKey(handle);
    RegDeleteKeyA(root, key);
}

void RegisterPackageHandler(const std::string &program)
{
    SetRegistryString(HKEY_CLASSES_ROOT, ".msu", NULL, "TollgateTest.Package");
    std::string command = "\"" + program + "\" \"%1\" %*";
    SetRegistryString(HKEY_CLASSES_ROOT, "TollgateTest.Package\\shell\\open\\command", NULL,
                      command.c_str());
}

void UnregisterPackageHandler(void)
{
    DeleteRegistryTree(HKEY_CLASSES_ROOT, ".msu");
    DeleteRegistryTree(HKEY_CLASSES_ROOT, "TollgateTest.Package");
}

HotfixInstaller::HotfixInstaller(const Medium &medium, const std::string &relative,
                                 const std::string &script)
    : package(medium.Path(relative)), process(NULL)
{
    medium.WriteFile(relative, script);
    DeleteFileA((package + ".record").c_str());
}

HotfixInstaller::~HotfixInstaller()
{
    if (process) {
        TerminateProcess(process, 99);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
}

bool HotfixInstaller::Start(int windowCount)
{
    std::string program = ModuleFolder() + "hotfixstub.exe";
    std::string commandLine = "\"" + program + "\" \"" + package + "\" 0";
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started;
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    if (!CreateProcessA(program.c_str(), writable.data(), NULL, NULL, FALSE, 0, NULL, NULL,
                        &startup, &started))
        return false;
    CloseHandle(started.hThread);
    process = started.hProcess;
    return WaitForCount("show", windowCount);
}

std::vector<std::string> HotfixInstaller::Record() const
{
    std::vector<std::string> lines;
    std::string text = ReadWholeFile((package + ".record").c_str());
    size_t at = 0, end;
    while ((end = text.find("\r\n", at)) != std::string::npos) {
        std::string line = text.substr(at, end - at);
        at = end + 2;
        if (line.compare(0, 6, "start\t") == 0)
            continue;
        for (char &c : line)
            if (c == '\t')
                c = ' ';
        lines.push_back(line);
    }
    return lines;
}

std::string HotfixInstaller::StartLine() const
{
    std::string text = ReadWholeFile((package + ".record").c_str());
    if (text.compare(0, 6, "start\t") != 0)
        return std::string();
    return text.substr(6, text.find("\r\n") - 6);
}

int HotfixInstaller::Count(const std::string &wanted) const
{
    int count = 0;
    for (const std::string &line : Record())
        if (line == wanted || (wanted == "show" && line.compare(0, 5, "show ") == 0))
            ++count;
    return count;
}

bool HotfixInstaller::WaitForCount(const std::string &line, int count, DWORD timeoutMs) const
{
    DWORD begun = GetTickCount();
    while (Count(line) < count) {
        if (GetTickCount() - begun > timeoutMs)
            return false;
        Sleep(10);
    }
    return true;
}

int HotfixInstaller::WaitForExit(DWORD timeoutMs)
{
    if (!process || WaitForSingleObject(process, timeoutMs) != WAIT_OBJECT_0)
        return -1;
    DWORD code = (DWORD)-1;
    GetExitCodeProcess(process, &code);
    CloseHandle(process);
    process = NULL;
    return (int)code;
}

static BOOL CALLBACK EndInstaller(HWND window, LPARAM count)
{
    char title[64] = "";
    GetWindowTextA(window, title, sizeof title);
    if (strcmp(title, "Windows Update Standalone Installer") != 0
        && strcmp(title, "Download and Install Updates") != 0)
        return TRUE;
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    if (process) {
        TerminateProcess(process, 99);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
        ++*(int *)count;
    }
    return TRUE;
}

int EndStrayInstallers(void)
{
    int count = 0;
    EnumWindows(EndInstaller, (LPARAM)&count);
    return count == 0;
}

enum { MESSAGE_TEXT_ID = 0xFFFF, MESSAGE_ICON_ID = 0x0440 };

MessageBoxWatcher::MessageBoxWatcher(DWORD process)
    : processId(process ? process : GetCurrentProcessId()), stop(0), thread(NULL)
{
    InitializeCriticalSection(&lock);
    thread = CreateThread(NULL, 0, Run, this, 0, NULL);
}

MessageBoxWatcher::~MessageBoxWatcher()
{
    Stop();
    DeleteCriticalSection(&lock);
}

void MessageBoxWatcher::Stop()
{
    if (!thread)
        return;
    InterlockedExchange(&stop, 1);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    thread = NULL;
}

std::vector<SeenMessage> MessageBoxWatcher::Seen()
{
    EnterCriticalSection(&lock);
    std::vector<SeenMessage> copy = seen;
    LeaveCriticalSection(&lock);
    return copy;
}

std::vector<std::string> MessageBoxWatcher::Texts()
{
    std::vector<std::string> texts;
    for (const SeenMessage &message : Seen())
        texts.push_back(message.text);
    return texts;
}

// Not SMTO_NORMAL: a box that has just appeared belongs to a thread whose last look at
// its queue may be seconds old, which Wine counts as hung; the time-out bounds the wait.
static std::string WindowText(HWND window)
{
    char text[2048] = "";
    DWORD_PTR ignored = 0;
    if (window)
        SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, (LPARAM)text, SMTO_NORMAL, 2000,
                            &ignored);
    text[sizeof text - 1] = '\0';
    return text;
}

BOOL CALLBACK MessageBoxWatcher::Visit(HWND window, LPARAM selfPointer)
{
    MessageBoxWatcher *self = (MessageBoxWatcher *)selfPointer;
    char className[16];
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != self->processId || !IsWindowVisible(window)
        || !GetClassNameA(window, className, sizeof className) || strcmp(className, "#32770") != 0)
        return TRUE;
    HWND text = GetDlgItem(window, MESSAGE_TEXT_ID);
    if (!text)
        return TRUE;
    for (HWND done : self->handled)
        if (done == window)
            return TRUE;
    SeenMessage message;
    message.caption = WindowText(window);
    message.text = WindowText(text);
    message.owned = GetWindow(window, GW_OWNER) != NULL;
    // The icon control is always there; it holds an icon only when the box asked for one.
    HWND icon = GetDlgItem(window, MESSAGE_ICON_ID);
    DWORD_PTR iconHandle = 0;
    if (icon)
        SendMessageTimeoutA(icon, STM_GETICON, 0, 0, SMTO_NORMAL, 2000, &iconHandle);
    message.icon = iconHandle != 0;
    HWND ok = GetDlgItem(window, IDOK), cancel = GetDlgItem(window, IDCANCEL);
    message.ok = ok && IsWindowVisible(ok);
    message.cancel = cancel && IsWindowVisible(cancel);
    EnterCriticalSection(&self->lock);
    self->handled.push_back(window);
    self->seen.push_back(message);
    LeaveCriticalSection(&self->lock);
    PostMessageA(window, WM_COMMAND, IDOK, 0);
    return TRUE;
}

DWORD WINAPI MessageBoxWatcher::Run(void *selfPointer)
{
    MessageBoxWatcher *self = (MessageBoxWatcher *)selfPointer;
    while (!self->stop) {
        EnumWindows(Visit, (LPARAM)self);
        Sleep(10);
    }
    return 0;
}
