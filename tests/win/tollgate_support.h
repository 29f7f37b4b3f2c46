// Helpers of the tollgate tests: a test medium with the driver setup stand-in, the
// stand-in's record, registry values and the launcher's message boxes seen from outside.
#ifndef TESTS_TOLLGATE_SUPPORT_H
#define TESTS_TOLLGATE_SUPPORT_H

#include <windows.h>
#include <string>
#include <vector>

// A medium folder made afresh below C:\tollgate-media; name may hold blanks and
// characters of the ANSI code page.
class Medium {
public:
    explicit Medium(const std::string &name);
    const std::string &Folder() const { return folder; }
    std::string Path(const std::string &relative) const { return folder + "\\" + relative; }
    // The driver setup stand-in under a relative name, with its plan (INI text, section
    // [stub] added).
    void AddStub(const std::string &relative, const std::string &plan = "") const;
    void AddLauncher(const std::string &name = "Setup.exe") const;
    void WriteSettings(const std::string &text) const;
    void WriteFile(const std::string &relative, const std::string &bytes) const;
    // Where every stand-in of this medium records its runs.
    std::string RecordPath() const { return Path("stub-record.txt"); }

private:
    std::string folder;
};

void WriteWholeFile(const std::string &path, const std::string &bytes);
bool CopyProgram(const std::string &program, const std::string &target);

// One line of the stand-in's record.
struct StubEvent {
    bool start;        // else the end of a run
    DWORD pid;
    bool overlap;      // another stand-in was running when this one started
    std::string exe, cwd, cmd;
};
std::vector<StubEvent> ReadStubRecord(const std::string &path);
// The path relative to folder when it lies inside it, else the path as it is.
std::string RelativeTo(const std::string &folder, const std::string &path);
// "start <exe>" and "end <exe>" in record order, exe relative to folder when inside it.
std::vector<std::string> StubTimeline(const std::string &path, const std::string &folder);

// Registry under HKEY_LOCAL_MACHINE or another root; 1 on success.
int SetRegistryDword(HKEY root, const char *key, const char *name, DWORD value);
int SetRegistryString(HKEY root, const char *key, const char *name, const char *value);
void DeleteRegistryValue(HKEY root, const char *key, const char *name);
void DeleteRegistryTree(HKEY root, const char *key);

// The shell opens *.msu with the given program ("%1" and the parameters).
void RegisterPackageHandler(const std::string &program);
void UnregisterPackageHandler(void);

// The hotfix installer stand-in (hotfixstub.exe) on a package whose text is its script.
// Its record is read as lines with blanks between the fields: "click confirm OK",
// "down confirm OK 1 0 posted" and so on (see sim/hotfix/hotfix_record.h).
class HotfixInstaller {
public:
    // Writes the package (relative to the medium) with the script as its text.
    HotfixInstaller(const Medium &medium, const std::string &package, const std::string &script);
    // The record of a package that someone else handed to the stand-in.
    explicit HotfixInstaller(const std::string &packagePath) : package(packagePath), process(NULL) {}
    // Ends the stand-in if it still runs.
    ~HotfixInstaller();
    const std::string &PackagePath() const { return package; }
    // Starts the stand-in as the shell would, and waits until it shows count windows.
    bool Start(int windowCount = 1);
    // The record without its "start" line; StartLine is that line's command line.
    std::vector<std::string> Record() const;
    std::string StartLine() const;
    int Count(const std::string &line) const;
    bool WaitForCount(const std::string &line, int count, DWORD timeoutMs = 10000) const;
    // Waits for the stand-in started here to end; its exit code, or -1.
    int WaitForExit(DWORD timeoutMs = 10000);

private:
    std::string package;
    HANDLE process;
};

// Ends every process showing a window of the installer stand-in's titles; 1 if none was left.
int EndStrayInstallers(void);

// A message box seen on the desktop: its caption, its text, whether it has an owner and
// an icon, and which of OK and Cancel it offers.
struct SeenMessage {
    std::string caption, text;
    bool owned, icon, ok, cancel;
};

// Watches for message boxes of one process (0: this one) on a thread of its own, records
// each once and closes it with OK.
class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(DWORD processId = 0);
    ~MessageBoxWatcher();
    std::vector<SeenMessage> Seen();
    std::vector<std::string> Texts();
    void Stop();

private:
    static DWORD WINAPI Run(void *self);
    static BOOL CALLBACK Visit(HWND window, LPARAM self);
    DWORD processId;
    volatile LONG stop;
    HANDLE thread;
    CRITICAL_SECTION lock;
    std::vector<HWND> handled;
    std::vector<SeenMessage> seen;
};

#endif
