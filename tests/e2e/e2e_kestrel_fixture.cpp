// The one fixture of kestrel's end-to-end suites: start, stand-ins, remote and TearDown.
#include "e2e_kestrel_fixture.h"

#include <initializer_list>

#include "registry_support.h"
#include "tuner_control.h"
#include "win_support.h"

// The keys the tests write under HKEY_LOCAL_MACHINE: kestrel's settings and the applications'
// installations.
static const char *const writtenKeys[] = { "SOFTWARE\\Corvel", "SOFTWARE\\ArcSoft", "Software\\Honestech",
                                           "Software\\VUzeva Multimedia" };

void KestrelE2e::SetUp()
{
    folder = ModuleFolder();
    ResetStick();
    ASSERT_TRUE(TunerUnplugAll());
    DeleteKeyTree(writtenKeys[0]);
}

void KestrelE2e::TearDown()
{
    EndKestrel(kestrel);
    for (TvAppInstance &app : apps)
        EndTvApp(app);
    if (folder != ModuleFolder())
        DeleteFileA((folder + "keymaps.ini").c_str());
    TunerUnplugAll();
    for (const char *key : writtenKeys)
        DeleteKeyTree(key);
}

void KestrelE2e::UsePrivateCopy()
{
    folder = TestTempFolder("usermaps") + "\\";
    for (const char *file : { "kestrel.exe", "af15bdaex.dll" })
        ASSERT_TRUE(CopyFileA((ModuleFolder() + file).c_str(), (folder + file).c_str(), FALSE)) << file;
    DeleteFileA((folder + "keymaps.ini").c_str());
}

int KestrelE2e::Launch(const std::string &arguments, HANDLE *process, DWORD *id)
{
    PROCESS_INFORMATION started;
    std::string path = folder + "kestrel.exe";
    if (!StartCommandLine(path.c_str(), "\"" + path + "\"" + (arguments.empty() ? "" : " " + arguments),
                          folder.c_str(), &started))
        return 0;
    *process = started.hProcess;
    if (id)
        *id = started.dwProcessId;
    return 1;
}

void KestrelE2e::StartKestrel(KestrelReady ready, const std::string &arguments)
{
    ASSERT_TRUE(Launch(arguments, &kestrel, &kestrelId));
    if (ready == KESTREL_WINDOW)
        ASSERT_TRUE(WaitFor([] { return FindWindowA("Remote Control", NULL) != NULL; }, 10000));
    else if (ready == KESTREL_TRAY_ICON)
        ASSERT_TRUE(WaitFor([] { return TrayIconWindow() != NULL; }, 10000));
    else
        ASSERT_TRUE(WaitFor([] { return StickSnapshot().getIrCalls > 0; }, 10000)) << "kestrel polls";
}

DWORD KestrelE2e::KestrelExitCode()
{
    DWORD code = 99;
    GetExitCodeProcess(kestrel, &code);
    return code;
}

TvAppInstance &KestrelE2e::StartApp(const std::string &arguments, const std::string &name)
{
    std::string record = TestTempFolder("e2e-apps") + "\\" + name + ".txt";
    DeleteFileA(record.c_str());
    apps.push_back(TvAppInstance());
    EXPECT_TRUE(StartTvApp(ModuleFolder() + "tvapp.exe", arguments + " --record \"" + record + "\"", &apps.back()));
    WithoutForeground(TakeRecord(apps.back()));
    return apps.back();
}

void KestrelE2e::Remote(const char *arguments)
{
    ASSERT_EQ(0, RunProgram("remote.exe", arguments)) << "remote " << arguments;
    ASSERT_TRUE(WaitFor([] { return StickSnapshot().count == 0; }, 10000));
}

Lines KestrelE2e::Collect(TvAppInstance &app, size_t count, DWORD settleMs)
{
    Lines got;
    WaitFor([&] {
        Lines more = WithoutForeground(TakeRecord(app));
        got.insert(got.end(), more.begin(), more.end());
        return got.size() >= count;
    }, 5000);
    PumpFor(settleMs);
    Lines more = WithoutForeground(TakeRecord(app));
    got.insert(got.end(), more.begin(), more.end());
    return got;
}
