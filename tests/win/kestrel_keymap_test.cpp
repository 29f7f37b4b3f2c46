// Every entry of the nine key maps, checked against what the TV application stand-in
// received through real windows. The expected transcripts are written from the key tables:
// a tap is the key down with the extended flag (1) then up (3); a chord presses the
// modifiers in order, taps the key and releases them in reverse; a posted key-down is one
// WM_KEYDOWN (256) and never a key-up; commands are the applications' private messages.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "base/seams.h"
#include "profiles/profile.h"
#include "profiles/profile_ops.h"
#include "tvapp_support.h"
#include "win_support.h"

typedef std::vector<std::string> Lines;

static std::vector<DWORD> pauses;
static VOID WINAPI RecordPause(DWORD milliseconds)
{
    pauses.push_back(milliseconds);
}

static std::string KeyLine(int vk, bool down)
{
    return "key " + std::to_string(vk) + (down ? " down" : " up") + " ext=1 injected=1 scan=0 extra=0";
}

static Lines Tap(int vk)
{
    return { KeyLine(vk, true), KeyLine(vk, false) };
}

static Lines Chord(std::vector<int> modifiers, int vk)
{
    Lines lines;
    for (int modifier : modifiers)
        lines.push_back(KeyLine(modifier, true));
    lines.push_back(KeyLine(vk, true));
    lines.push_back(KeyLine(vk, false));
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
        lines.push_back(KeyLine(*it, false));
    return lines;
}

static std::string Post(const char *tag, unsigned message, unsigned long wParam, unsigned long lParam)
{
    return std::string("post ") + tag + " " + std::to_string(message) + " " + std::to_string(wParam) + " " +
           std::to_string(lParam);
}

// Activate, then WM_KEYDOWN with the fixed lParam 0x01500001.
static Lines PostDown(int vk)
{
    return { Post("main", 256, vk, 0x01500001) };
}

// WM_KEYDOWN with the key's own lParam, no activation.
static std::string KeyDown(int vk, unsigned long lParam)
{
    return Post("main", 256, vk, lParam);
}

static Lines Command(unsigned message, unsigned long command)
{
    return { Post("main", message, command, 0) };
}

struct Entry {
    unsigned code;
    Lines lines;
    bool activates;   // the stand-in was brought to the front for this entry
    DWORD pause;
};

// Codes 30..38 are the digits 1..9 and 39 is 0.
static unsigned DigitCode(int digit)
{
    return digit == 0 ? 39 : 29 + digit;
}

// A window of this program in front, so that an entry's activation of the stand-in shows.
static HWND Bystander()
{
    static HWND window = NULL;
    if (!window)
        window = OpenTestWindow("KeyMapBystander", "bystander", DefWindowProcA, WS_OVERLAPPED | WS_VISIBLE, 0,
                                400, 400, 100, 100);
    return window;
}

class KeyMaps : public ::testing::Test {
protected:
    TvAppInstance app = {};
    std::string folder;
    void SetUp() override
    {
        pauses.clear();
        sleepThread = RecordPause;
        for (int i = 0; i <= TV_APP_COUNT; ++i)
            tvApps[i].active = 0;
        zoruvSkinFlag = 0;
        folder = TestTempFolder("keymaps") + "\\";
    }
    void TearDown() override
    {
        EndTvApp(app);
        sleepThread = Sleep;
    }
    void Start(const std::string &arguments)
    {
        std::string exe = ModuleFolder() + "tvapp.exe";
        std::string record = folder + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt";
        DeleteFileA(record.c_str());
        ASSERT_TRUE(StartTvApp(exe, arguments + " --all-keys --record \"" + record + "\"", &app));
        TakeRecord(app);
    }
    // Sends one code through the map and compares what arrived, in order, and the pause.
    void Expect(int index, const Entry &entry)
    {
        SCOPED_TRACE("code " + std::to_string(entry.code));
        SetForegroundWindow(Bystander());
        ASSERT_TRUE(WaitFor([] { return GetForegroundWindow() == Bystander(); }, 2000));
        // The stand-in handles its deactivation before a mark posted after it.
        TakeRecord(app);
        pauses.clear();
        DispatchKey(index, entry.code);
        Lines record = TakeRecord(app);
        bool activateLine = false;
        for (const std::string &line : record)
            activateLine |= line.compare(0, 9, "activate ") == 0;
        EXPECT_EQ(entry.lines, WithoutForeground(record));
        // Wine activates another process's window a little later; wait for it, or see that the
        // bystander kept the front.
        DWORD processId = app.processId;
        bool activated = WaitFor([processId] {
            DWORD owner = 0;
            GetWindowThreadProcessId(GetForegroundWindow(), &owner);
            return owner == processId;
        }, entry.activates && !activateLine ? 2000 : 50);
        activated |= activateLine;
        EXPECT_EQ(entry.activates, activated);
        if (entry.pause)
            EXPECT_EQ(std::vector<DWORD>{ entry.pause }, pauses);
        else
            EXPECT_TRUE(pauses.empty());
    }
    void ExpectAll(int index, const std::vector<Entry> &entries)
    {
        for (const Entry &entry : entries)
            Expect(index, entry);
    }
    // Codes that no key map of the keystroke applications handles send nothing.
    void ExpectNothingFor(int index, std::vector<unsigned> codes)
    {
        for (unsigned code : codes)
            Expect(index, { code, {}, false, 0 });
    }
};

static const int CTRL = 17, SHIFT = 16, ALT = 18;

TEST_F(KeyMaps, TotalMediaTapsAndChords)
{
    Start("--as 5");
    std::vector<Entry> entries = {
        { 5, Tap(122), true, 0 },
        { 7, Tap(40), true, 0 },
        { 8, Tap(13), true, 0 },
        { 15, Tap(37), true, 0 },
        { 21, Tap(39), true, 0 },
        { 22, Chord({ CTRL }, 83), true, 0 },
        { 24, Tap(38), true, 0 },
        { 42, Chord({ CTRL, SHIFT }, 80), true, 0 },
        { 45, Chord({ CTRL }, 84), true, 0 },
        { 46, Chord({ CTRL }, 71), true, 0 },
        { 54, Tap(8), true, 0 },
        { 55, Tap(116), true, 0 },
        { 59, Tap(115), true, 0 },
        { 60, Tap(119), true, 0 },
        { 62, Chord({ ALT }, 13), true, 0 },
        { 63, Chord({ CTRL }, 82), true, 0 },
        { 79, Tap(120), true, 0 },
        { 80, Tap(121), true, 0 },
        { 81, Tap(109), true, 0 },
        { 82, Tap(107), true, 0 },
    };
    for (int d = 0; d <= 9; ++d)
        entries.push_back({ DigitCode(d), Tap(96 + d), true, 0 });
    ExpectAll(APP_TOTALMEDIA, entries);
    ExpectNothingFor(APP_TOTALMEDIA, { 0, 11, 12, 19, 40, 83 });
}

TEST_F(KeyMaps, PowerCinemaPostsCursorKeysAndChordsTheRest)
{
    Start("--as 1");
    std::vector<Entry> entries = {
        { 5, Chord({ CTRL }, 76), true, 0 },
        { 7, PostDown(40), true, 0 },
        { 8, PostDown(13), true, 0 },
        { 15, PostDown(37), true, 0 },
        { 21, PostDown(39), true, 0 },
        { 22, Chord({ CTRL }, 83), true, 0 },
        { 24, PostDown(38), true, 0 },
        { 42, Chord({ CTRL, SHIFT }, 80), true, 0 },
        { 45, Chord({ CTRL }, 84), true, 0 },
        { 46, Chord({ CTRL }, 68), true, 0 },
        { 54, PostDown(27), true, 0 },
        { 55, Chord({ CTRL, SHIFT }, 90), true, 0 },
        { 60, PostDown(119), true, 0 },
        { 63, Chord({ CTRL }, 82), true, 0 },
        { 79, PostDown(120), true, 0 },
        { 80, PostDown(121), true, 0 },
        { 81, PostDown(109), true, 0 },
        { 82, PostDown(107), true, 0 },
    };
    for (int d = 0; d <= 9; ++d)
        entries.push_back({ DigitCode(d), PostDown(96 + d), true, 0 });
    ExpectAll(APP_POWERCINEMA, entries);
    ExpectNothingFor(APP_POWERCINEMA, { 59, 62, 11 });
}

TEST_F(KeyMaps, MediaCenterTapsWithDigitsPosted)
{
    Start("--as 4");
    std::vector<Entry> entries = {
        { 5, Tap(8), true, 0 },
        { 7, Tap(40), true, 0 },
        { 8, Tap(13), true, 0 },
        { 15, Tap(37), true, 0 },
        { 21, Tap(39), true, 0 },
        { 22, Chord({ CTRL }, 83), true, 0 },
        { 24, Tap(38), true, 0 },
        { 42, Chord({ CTRL }, 80), true, 0 },
        { 45, Chord({ CTRL }, 84), true, 0 },
        { 46, Chord({ CTRL }, 73), true, 0 },
        { 54, Tap(8), true, 0 },
        { 55, Chord({ CTRL }, 77), true, 0 },
        { 60, Tap(119), true, 0 },
        { 62, Chord({ ALT }, 13), true, 0 },
        { 63, Chord({ CTRL }, 82), true, 0 },
        { 79, Tap(120), true, 0 },
        { 80, Tap(121), true, 0 },
        { 81, Tap(34), true, 0 },
        { 82, Tap(33), true, 0 },
    };
    for (int d = 0; d <= 9; ++d)
        entries.push_back({ DigitCode(d), PostDown(96 + d), true, 0 });
    ExpectAll(APP_MEDIACENTER, entries);
    ExpectNothingFor(APP_MEDIACENTER, { 59, 11 });
}

TEST_F(KeyMaps, WinDvrKeyDownsWithTheirOwnScanCodes)
{
    Start("--as 2");
    std::vector<Entry> entries = {
        { 5, { KeyDown(76, 0x00260001) }, false, 0 },
        { 7, { KeyDown(40, 0x01500001) }, false, 0 },
        { 8, { KeyDown(13, 0x001C0001) }, false, 0 },
        { 15, { KeyDown(37, 0x014B0001) }, false, 0 },
        { 21, { KeyDown(39, 0x014D0001) }, false, 0 },
        { 22, Command(911, 2), false, 0 },
        { 24, { KeyDown(38, 0x01480001) }, false, 0 },
        { 30, { KeyDown(49, 0x00020001) }, false, 0 },
        { 31, { KeyDown(50, 0x00030001) }, false, 0 },
        { 32, { KeyDown(51, 0x00040001) }, false, 0 },
        { 33, { KeyDown(52, 0x00050001) }, false, 0 },
        { 34, { KeyDown(53, 0x00060001) }, false, 0 },
        { 35, { KeyDown(54, 0x00070001) }, false, 0 },
        { 36, { KeyDown(55, 0x00080001) }, false, 0 },
        { 37, { KeyDown(56, 0x00090001) }, false, 0 },
        { 38, { KeyDown(57, 0x000A0001) }, false, 0 },
        { 39, { KeyDown(48, 0x000B0001) }, false, 0 },
        { 42, Command(911, 24), false, 0 },
        { 59, Chord({ CTRL }, 73), true, 0 },
        { 60, { KeyDown(77, 0x00320001) }, false, 0 },
        { 62, { KeyDown(90, 0x002C0001) }, false, 0 },
        { 63, Command(911, 23), false, 0 },
        { 79, { KeyDown(16, 0x002A0001), KeyDown(40, 0x01500001) }, false, 0 },
        { 80, { KeyDown(16, 0x002A0001), KeyDown(38, 0x01480001) }, false, 0 },
        { 81, { KeyDown(34, 0x01510001) }, false, 0 },
        { 82, { KeyDown(33, 0x01490001) }, false, 0 },
    };
    ExpectAll(APP_WINDVR, entries);
    ExpectNothingFor(APP_WINDVR, { 45, 46, 54, 55, 11 });
}

TEST_F(KeyMaps, WinDvrIsFoundOnlyByItsExactTitle)
{
    // Another letter case is WinDVR to the dispatcher's search, not to its key map.
    Start("--as 2 --title \"Intervideo WinDVR\"");
    ExpectNothingFor(APP_WINDVR, { 7, 22 });
}

static std::vector<Entry> CommandEntries(unsigned message, std::vector<std::pair<unsigned, unsigned long>> rows,
                                         std::vector<std::pair<unsigned, DWORD>> pauses)
{
    std::vector<Entry> entries;
    for (auto &row : rows) {
        DWORD pause = 0;
        for (auto &p : pauses)
            if (p.first == row.first)
                pause = p.second;
        entries.push_back({ row.first, Command(message, row.second), false, pause });
    }
    for (int d = 0; d <= 9; ++d)
        entries.push_back({ DigitCode(d), Command(message, 10000 + d), false, 0 });
    return entries;
}

TEST_F(KeyMaps, XpertTvrCommands)
{
    Start("--as 7");
    ExpectAll(APP_XPERTTVR, CommandEntries(3024,
        { { 5, 4003 }, { 7, 1009 }, { 8, 10020 }, { 15, 1005 }, { 21, 1004 }, { 22, 1002 }, { 24, 1008 },
          { 42, 3001 }, { 45, 1000 }, { 46, 8 }, { 54, 2000 }, { 55, 12 }, { 59, 200 }, { 60, 403 },
          { 62, 3 }, { 63, 1001 }, { 79, 402 }, { 80, 401 }, { 81, 4002 }, { 82, 4001 } },
        { { 42, 2000 }, { 46, 2000 }, { 54, 2000 }, { 63, 2000 } }));
    ExpectNothingFor(APP_XPERTTVR, { 11, 0 });
}

TEST_F(KeyMaps, RarARuriCommands)
{
    Start("--as 8");
    ExpectAll(APP_RARARURI, CommandEntries(3024,
        { { 5, 4003 }, { 7, 1009 }, { 8, 10020 }, { 15, 1005 }, { 21, 1004 }, { 22, 1002 }, { 24, 1008 },
          { 42, 3001 }, { 45, 1000 }, { 46, 8 }, { 54, 2000 }, { 55, 12 }, { 59, 200 }, { 60, 403 },
          { 62, 3 }, { 63, 1001 }, { 79, 402 }, { 80, 401 }, { 81, 4002 }, { 82, 4001 } },
        { { 42, 2000 }, { 46, 2000 }, { 54, 2000 }, { 63, 2000 } }));
}

TEST_F(KeyMaps, DeverOroruCommandsSomeWithTheWindowInFront)
{
    Start("--as 6");
    std::vector<Entry> entries = CommandEntries(4024,
        { { 5, 4003 }, { 7, 1009 }, { 8, 10020 }, { 15, 1005 }, { 21, 1004 }, { 22, 1002 }, { 24, 1008 },
          { 45, 1000 }, { 46, 8 }, { 54, 2000 }, { 59, 207 }, { 60, 403 },
          { 62, 3 }, { 63, 1001 }, { 79, 402 }, { 80, 401 }, { 81, 4002 }, { 82, 4001 } },
        { { 46, 2000 }, { 54, 3000 }, { 63, 2000 } });
    entries.push_back({ 42, { Post("main", 4024, 3000, 0) }, true, 2000 });
    entries.push_back({ 55, { Post("main", 4024, 20, 0) }, true, 0 });
    ExpectAll(APP_DEVERORORU, entries);
}

TEST_F(KeyMaps, MyIcTvCommandsInTheLParam)
{
    Start("--as 3");
    std::vector<std::pair<unsigned, unsigned long>> rows = {
        { 5, 70 }, { 7, 28 }, { 8, 26 }, { 15, 25 }, { 21, 27 }, { 22, 67 }, { 24, 24 }, { 42, 66 },
        { 45, 71 }, { 46, 31 }, { 55, 22 }, { 60, 19 }, { 62, 0 }, { 63, 65 }, { 79, 21 }, { 80, 18 },
        { 81, 23 }, { 82, 20 },
    };
    std::vector<Entry> entries;
    for (auto &row : rows)
        entries.push_back({ row.first, { Post("main", 5401, 5400, row.second) }, false, 0 });
    for (int d = 0; d <= 9; ++d)
        entries.push_back({ DigitCode(d), { KeyDown(96 + d, 0) }, false, 0 });
    entries.push_back({ 54, { KeyDown(27, 0) }, false, 0 });
    ExpectAll(APP_MYICTV, entries);
    ExpectNothingFor(APP_MYICTV, { 59, 11 });
}

// ZoruvUviro Zuvava with no pop-up and a hidden PictureView player: every key reaches the
// main window, none with activation.
TEST_F(KeyMaps, ZoruvUviroWithoutPopups)
{
    Start("--as 9 --player");
    std::vector<Entry> entries = CommandEntries(4024,
        { { 5, 4003 }, { 7, 35004 }, { 8, 35005 }, { 11, 26 }, { 15, 35001 }, { 21, 35003 }, { 22, 1002 },
          { 24, 35002 }, { 42, 3000 }, { 45, 110 }, { 46, 24 }, { 54, 35007 }, { 55, 1000 }, { 59, 207 },
          { 60, 403 }, { 62, 3 }, { 63, 1001 }, { 79, 402 }, { 80, 401 }, { 81, 4002 }, { 82, 4001 } },
        { { 42, 2000 }, { 63, 2000 } });
    ExpectAll(APP_ZORUVUVIRO, entries);
}

// A visible pop-up takes the cursor keys, brought to the front; plain commands are dropped;
// the Ctrl+P command still reaches the main window.
TEST_F(KeyMaps, ZoruvUviroWithAVisibleSourceForm)
{
    Start("--as 9 --popup TSourceForm");
    ExpectAll(APP_ZORUVUVIRO, {
        { 7, { Post("TSourceForm", 4024, 35004, 0) }, true, 0 },
        { 8, { Post("TSourceForm", 4024, 35005, 0) }, true, 0 },
        { 15, { Post("TSourceForm", 4024, 35001, 0) }, true, 0 },
        { 21, { Post("TSourceForm", 4024, 35003, 0) }, true, 0 },
        { 24, { Post("TSourceForm", 4024, 35002, 0) }, true, 0 },
        { 54, { Post("TSourceForm", 4024, 35007, 0) }, true, 0 },
        { 42, Command(4024, 3000), false, 2000 },
        { 80, {}, false, 0 },
        { 5, {}, false, 0 },
        { 11, {}, false, 0 },
        { 45, {}, false, 0 },
        { 63, {}, false, 2000 },
        { 30, {}, false, 0 },
    });
}

// Ctrl+S is held back while the PictureView player is the pop-up in front, and when no
// player window exists at all.
TEST_F(KeyMaps, ZoruvUviroCtrlSAndThePictureViewPlayer)
{
    Start("--as 9 --visible-player");
    Expect(APP_ZORUVUVIRO, { 22, {}, false, 0 });
    EndTvApp(app);
    Start("--as 9");
    Expect(APP_ZORUVUVIRO, { 22, {}, false, 0 });
    Expect(APP_ZORUVUVIRO, { 42, Command(4024, 3000), false, 2000 });
    EndTvApp(app);
    Start("--as 9 --popup \"VUzevaPlayer_Class:Playback\"");
    Expect(APP_ZORUVUVIRO, { 22, Command(4024, 1002), false, 0 });
}

TEST_F(KeyMaps, ZoruvUviroSkinChoosesTheCtrlTCommand)
{
    Start("--as 9");
    zoruvSkinFlag = 1;
    Expect(APP_ZORUVUVIRO, { 45, Command(4024, 20), false, 0 });
    zoruvSkinFlag = 0;
    Expect(APP_ZORUVUVIRO, { 45, Command(4024, 110), false, 0 });
}

TEST_F(KeyMaps, PausesAreTakenWithoutTheWindow)
{
    // Nothing runs: the entries still wait, and entries without a pause do not.
    const struct { int index; unsigned code; DWORD pause; } cases[] = {
        { APP_RARARURI, 63, 2000 }, { APP_XPERTTVR, 42, 2000 }, { APP_DEVERORORU, 54, 3000 },
        { APP_DEVERORORU, 42, 2000 }, { APP_ZORUVUVIRO, 42, 2000 }, { APP_ZORUVUVIRO, 63, 2000 },
        { APP_RARARURI, 5, 0 }, { APP_TOTALMEDIA, 42, 0 },
    };
    for (const auto &c : cases) {
        pauses.clear();
        DispatchKey(c.index, c.code);
        if (c.pause)
            EXPECT_EQ(std::vector<DWORD>{ c.pause }, pauses) << c.index << "/" << c.code;
        else
            EXPECT_TRUE(pauses.empty()) << c.index << "/" << c.code;
    }
}
