// The TV application stand-in as tests drive it.
#include "tvapp_support.h"

#include "record_file.h"
#include "win_support.h"

// The stand-in's mark message (sim/tvapp).
static const UINT TVAPP_MARK = WM_APP + 77;

static int IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

static std::string FolderOf(const std::string &path)
{
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Creates every missing folder of path; 1 when the whole path exists as a folder.
static int CreateFolders(const std::string &path)
{
    for (size_t i = 1; i <= path.size(); ++i) {
        if (i < path.size() && !IsSeparator(path[i]))
            continue;
        std::string prefix = path.substr(0, i);
        // "C:" and "\\server" are no folders to create.
        if (prefix.size() <= 2 || prefix[prefix.size() - 1] == ':')
            continue;
        CreateDirectoryA(prefix.c_str(), NULL);
    }
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string InstallTvApp(const std::string &folder, const char *exeName)
{
    std::string target = folder;
    while (!target.empty() && IsSeparator(target[target.size() - 1]))
        target.erase(target.size() - 1);
    if (target.empty() || !CreateFolders(target))
        return "";
    target += "\\";
    target += exeName;
    std::string source = ModuleFolder() + "tvapp.exe";
    if (!CopyFileA(source.c_str(), target.c_str(), FALSE))
        return "";
    return target;
}

std::string TvAppRecordPath(const std::string &exePath)
{
    size_t slash = exePath.find_last_of("\\/");
    size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    size_t dot = exePath.find_last_of('.');
    size_t stem = dot == std::string::npos || dot < nameStart ? exePath.size() : dot;
    return exePath.substr(0, stem) + ".record.txt";
}

// The value of --record in a command line's arguments (double quotes group words), or "".
static std::string RecordOption(const std::string &arguments)
{
    std::vector<std::string> words;
    std::string word;
    bool quoted = false, inWord = false;
    for (char c : arguments) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(word);
    for (size_t i = 0; i + 1 < words.size(); ++i) {
        if (words[i] == "--record")
            return words[i + 1];
    }
    return "";
}

std::vector<std::string> ReadRecord(const std::string &recordPath)
{
    std::vector<std::string> lines;
    std::string text = ReadWholeFile(recordPath.c_str());
    // A line still being written has no line end yet; it is left for the next read.
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        size_t length = end - start;
        if (length > 0 && text[end - 1] == '\r')
            --length;
        lines.push_back(text.substr(start, length));
        start = end + 1;
    }
    return lines;
}

struct MainWindowSearch {
    DWORD processId;
    HWND found;
};

static BOOL CALLBACK MatchMainWindow(HWND window, LPARAM context)
{
    MainWindowSearch *search = (MainWindowSearch *)context;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == search->processId && GetPropA(window, "tvapp.main")) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The stand-in marks its main window, which tells it from its pop-ups.
static HWND FindMainWindow(DWORD processId)
{
    MainWindowSearch search = { processId, NULL };
    EnumWindows(MatchMainWindow, (LPARAM)&search);
    return search.found;
}

static bool ProcessEnded(HANDLE process)
{
    return process && WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
}

int StartTvApp(const std::string &exePath, const std::string &arguments, TvAppInstance *app)
{
    *app = TvAppInstance();
    std::string recordPath = RecordOption(arguments);
    app->recordPath = recordPath.empty() ? TvAppRecordPath(exePath) : recordPath;
    // The record is appended to: this run's lines begin after what is there now.
    size_t before = ReadRecord(app->recordPath).size();
    std::string commandLine = "\"" + exePath + "\"" + (arguments.empty() ? "" : " " + arguments);
    PROCESS_INFORMATION process;
    if (!StartCommandLine(exePath.c_str(), commandLine, FolderOf(exePath).c_str(), &process))
        return 0;
    app->process = process.hProcess;
    app->processId = process.dwProcessId;

    bool started = WaitFor([&] {
        if (ProcessEnded(app->process))
            return true;
        if (!app->mainWindow)
            app->mainWindow = FindMainWindow(app->processId);
        if (!app->mainWindow)
            return false;
        std::vector<std::string> lines = ReadRecord(app->recordPath);
        for (size_t i = before; i < lines.size(); ++i) {
            if (lines[i].compare(0, 6, "start ") == 0) {
                app->taken = i + 1;
                return true;
            }
        }
        return false;
    }, 10000);
    if (!started || !app->mainWindow || app->taken == 0) {
        EndTvApp(*app);
        app->mainWindow = NULL;
        return 0;
    }
    return 1;
}

// The first top-level window of class/title that belongs to another process.
static HWND FindOtherProcessWindow(const char *windowClass, const char *title)
{
    HWND window = NULL;
    while ((window = FindWindowExA(NULL, window, windowClass, title)) != NULL) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        if (processId != GetCurrentProcessId())
            return window;
    }
    return NULL;
}

int AttachTvApp(const char *windowClass, const char *title, const std::string &recordPath,
                DWORD timeoutMs, TvAppInstance *app)
{
    *app = TvAppInstance();
    app->recordPath = recordPath;
    DWORD start = GetTickCount();
    HWND window = NULL;
    if (!WaitFor([&] { return (window = FindOtherProcessWindow(windowClass, title)) != NULL; },
                 timeoutMs))
        return 0;
    GetWindowThreadProcessId(window, &app->processId);
    app->process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE,
                               app->processId);
    if (!app->process) {
        *app = TvAppInstance();
        return 0;
    }
    // The window may be found before the stand-in has shown it and marked it as its main one.
    DWORD elapsed = GetTickCount() - start;
    WaitFor([&] { return (app->mainWindow = FindMainWindow(app->processId)) != NULL; },
            elapsed < timeoutMs ? timeoutMs - elapsed : 0);
    if (!app->mainWindow)
        app->mainWindow = window;
    // The stand-in writes its start line before it opens a window.
    std::vector<std::string> lines = ReadRecord(recordPath);
    for (size_t i = lines.size(); i > 0; --i) {
        if (lines[i - 1].compare(0, 6, "start ") == 0) {
            app->taken = i;
            return 1;
        }
    }
    EndTvApp(*app);
    app->mainWindow = NULL;
    return 0;
}

std::vector<std::string> TakeRecord(TvAppInstance &app)
{
    std::string markLine;
    if (!ProcessEnded(app.process) && app.mainWindow && IsWindow(app.mainWindow)) {
        int mark = app.marks + 1;
        if (PostMessageA(app.mainWindow, TVAPP_MARK, (WPARAM)mark, 0)) {
            app.marks = mark;
            markLine = "mark " + std::to_string(mark);
        }
    }
    const size_t none = (size_t)-1;
    std::vector<std::string> lines;
    size_t stop = none;
    bool done = WaitFor([&] {
        // Looked at before the read, so that the lines of an ended process are all there.
        bool ended = ProcessEnded(app.process);
        lines = ReadRecord(app.recordPath);
        for (size_t i = app.taken; i < lines.size(); ++i) {
            if ((!markLine.empty() && lines[i] == markLine) || lines[i] == "end") {
                stop = i;
                return true;
            }
        }
        return ended;
    }, 5000);

    // Hand out up to the mark (without it) or the end line (with it).
    size_t last = lines.size(), next = lines.size();
    if (stop != none) {
        last = lines[stop] == "end" ? stop + 1 : stop;
        next = stop + 1;
    }
    std::vector<std::string> taken;
    for (size_t i = app.taken; i < last; ++i) {
        if (lines[i].compare(0, 5, "mark ") != 0)
            taken.push_back(lines[i]);
    }
    if (next > app.taken)
        app.taken = next;
    if (!done)
        taken.push_back("timeout waiting for " + (markLine.empty() ? std::string("end") : markLine));
    return taken;
}

void EndTvApp(TvAppInstance &app)
{
    if (app.process) {
        if (!ProcessEnded(app.process))
            TerminateProcess(app.process, 99);
        WaitForSingleObject(app.process, 5000);
        CloseHandle(app.process);
    }
    app.process = NULL;
    app.processId = 0;
    app.mainWindow = NULL;
}

std::vector<std::string> WithoutForeground(const std::vector<std::string> &lines)
{
    std::vector<std::string> result;
    for (const std::string &line : lines) {
        if (line.compare(0, 9, "activate ") == 0)
            continue;
        size_t at = line.rfind(" fg=");
        result.push_back(line.compare(0, 5, "post ") == 0 && at != std::string::npos ? line.substr(0, at) : line);
    }
    return result;
}
