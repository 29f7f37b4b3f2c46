// kestrel.exe with a keymaps.ini of its own: the stand-in poses as programs that are none of
// the nine, and what it records is held against transcripts written from the file by hand.
// Every test runs a copy of kestrel in a folder of its own, so that its file concerns it alone.
#include <windows.h>
#include <string>

#include "e2e_kestrel_fixture.h"
#include "win_support.h"

static const char *const VIEWER_TITLE = "Remote Control - Codes";

class UserMaps : public KestrelE2e {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(KestrelE2e::SetUp());
        Remote("plug");
        ASSERT_NO_FATAL_FAILURE(UsePrivateCopy());
        ASSERT_TRUE(PlaceCursor(300, 300));
    }
    void WriteMap(const std::string &text)
    {
        HANDLE file = CreateFileA((folder + "keymaps.ini").c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, NULL);
        ASSERT_NE(INVALID_HANDLE_VALUE, file);
        DWORD written = 0;
        WriteFile(file, text.data(), (DWORD)text.size(), &written, NULL);
        CloseHandle(file);
        ASSERT_EQ(text.size(), written);
    }
    static void Front(HWND window)
    {
        SetForegroundWindow(window);
        ASSERT_TRUE(WaitFor([window] { return GetForegroundWindow() == window; }, 3000));
    }
};

static std::string Key(int vk, const char *way, int extended)
{
    return "key " + std::to_string(vk) + " " + way + " ext=" + std::to_string(extended)
           + " injected=1 scan=0 extra=0";
}

TEST_F(UserMaps, KeyPostMessageAndPauseReachTheTenthApplicationAsWritten)
{
    WriteMap("; a player that none of the nine is\r\n"
             "[Player]\r\n"
             "class=TestPlayer*\r\n"
             "title=*Player        ; ends with\r\n"
             "24=key Up\r\n"
             "42=key Ctrl+Shift+P\r\n"
             "60=post F8\r\n"
             "62=message 4024 7 0x10\r\n"
             "22=key Ctrl+S, pause 500, key Enter\r\n");
    TvAppInstance &player = StartApp("--as 5 --class TestPlayerWindow --title \"My Player\" --all-keys", "player");
    StartKestrel();
    Remote("press 24 pause 300 press 42 pause 300 press 60 pause 300 press 62");
    Lines expected = { Key(38, "down", 1), Key(38, "up", 1),
                       Key(17, "down", 0), Key(16, "down", 0), Key(80, "down", 0),
                       Key(80, "up", 0), Key(16, "up", 0), Key(17, "up", 0),
                       "post main 256 119 4325377",   // F8, scan code 0x42, repeat count 1
                       "post main 4024 7 16" };
    EXPECT_EQ(expected, Collect(player, expected.size()));

    // The pause stands between the two keys it was written between.
    Remote("pause 300 press 22");
    DWORD saveUp = 0, enterDown = 0;
    ASSERT_TRUE(WaitFor([&] {
        Lines lines = WithoutForeground(ReadRecord(player.recordPath));
        for (const std::string &line : lines) {
            if (!saveUp && line == Key(17, "up", 0))
                saveUp = GetTickCount();
            if (!enterDown && line == Key(13, "down", 0))
                enterDown = GetTickCount();
        }
        return enterDown != 0;
    }, 5000));
    EXPECT_GE(enterDown - saveUp, 450u);
    EXPECT_EQ((Lines{ Key(17, "down", 0), Key(83, "down", 0), Key(83, "up", 0), Key(17, "up", 0),
                      Key(13, "down", 0), Key(13, "up", 0) }),
              Collect(player, 6));
}

TEST_F(UserMaps, TheApplicationInFrontWinsElseFileOrderAndTheNineComeFirst)
{
    WriteMap("[First]\nclass=UserFirst\n24=message 4024 11 0\n"
             "[Second]\nclass=UserSecond\n24=message 4024 12 0\n");
    TvAppInstance &first = StartApp("--as 5 --class UserFirst --title one", "first");
    TvAppInstance &second = StartApp("--as 5 --class UserSecond --title two", "second");
    StartKestrel();
    Front(second.mainWindow);
    Remote("press 24");
    EXPECT_EQ(Lines{ "post main 4024 12 0" }, Collect(second, 1));
    EXPECT_EQ(Lines{}, Collect(first, 0, 0));

    HWND bystander = OpenTestWindow("UserBystander", "bystander", DefWindowProcA, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                    0, 500, 400, 100, 100);
    Front(bystander);
    Remote("pause 300 press 24");
    EXPECT_EQ(Lines{ "post main 4024 11 0" }, Collect(first, 1)) << "neither in front: the first in the file";
    EXPECT_EQ(Lines{}, Collect(second, 0, 0));

    // TotalMedia runs: it takes the key as it always did, the user's applications get nothing.
    TvAppInstance &total = StartApp("--as 5 --all-keys", "total");
    Front(bystander);
    Remote("pause 300 press 24");
    EXPECT_EQ((Lines{ Key(38, "down", 1), Key(38, "up", 1) }), Collect(total, 2));
    EXPECT_EQ(Lines{}, Collect(first, 0, 0));
    EXPECT_EQ(Lines{}, Collect(second, 0, 0));
    DestroyWindow(bystander);
}

TEST_F(UserMaps, HeldKeyPassesEveryNthRepeatAndAnUnmappedMouseKeyMovesThePointer)
{
    WriteMap("[Player]\nclass=UserPlayer\nrepeat=3\n24=message 4024 24 0\n");
    TvAppInstance &player = StartApp("--as 5 --class UserPlayer --title player", "held");
    StartKestrel();
    // Ten events: the press and repeats 3, 6 and 9.
    Remote("hold 24 10");
    EXPECT_EQ(Lines(4, "post main 4024 24 0"), Collect(player, 4, 500));
    Remote("pause 400 hold 6 4");
    PumpFor(150);
    POINT at;
    GetCursorPos(&at);
    EXPECT_EQ(304, at.x) << "four 1-pixel steps, as with no application running";
    EXPECT_EQ(Lines{}, Collect(player, 0, 0));
}

TEST_F(UserMaps, SkippedLinesAreListedOnceTheRestWorksAndAnEditTakesEffect)
{
    WriteMap("[Player]\nclass=UserPlayer\n24=message 4024 24 0\n7=key Dwn\n300=key Up\n8=message 4024 8 0\n");
    TvAppInstance &player = StartApp("--as 5 --class UserPlayer --title player", "malformed");
    StartKestrel();
    HWND box = NULL;
    ASSERT_TRUE(WaitFor([&] { return (box = FindWindowA("#32770", "Remote Control")) != NULL; }, 5000));
    char text[1024] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EXPECT_EQ(folder + "keymaps.ini: 2 lines were skipped, the rest is in use.\n\n"
                       "Line 4: 7=key Dwn\n"
                       "    expected key names such as A, 5, F8, Up, Ctrl+P or vk:<number>\n"
                       "Line 5: 300=key Up\n"
                       "    expected a remote code from 0 to 254, class=, title= or repeat=\n",
              std::string(text));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([] { return FindWindowA("#32770", "Remote Control") == NULL; }, 5000));
    Remote("press 24 pause 300 press 8");
    EXPECT_EQ((Lines{ "post main 4024 24 0", "post main 4024 8 0" }), Collect(player, 2));
    EXPECT_TRUE(FindWindowA("#32770", "Remote Control") == NULL) << "said once per reading";

    // Saved while kestrel runs: a press is made every 300 ms (apart enough to be new presses)
    // until one meets the new file, at most two seconds after the saving.
    WriteMap("[Player]\nclass=UserPlayer\n24=message 4024 99 0\n");
    DWORD saved = GetTickCount(), pressed = saved;
    bool applied = false;
    while (!applied && GetTickCount() - saved < 4000) {
        pressed = GetTickCount();
        QueueStickKey(24);
        PumpFor(300);
        for (const std::string &line : WithoutForeground(TakeRecord(player)))
            applied |= line == "post main 4024 99 0";
    }
    ASSERT_TRUE(applied) << "the file was not read again";
    EXPECT_LE(pressed - saved, 2000u);
    Remote("pause 300 press 8");
    EXPECT_EQ(Lines{}, Collect(player, 0, 300)) << "8 is no longer mapped";
    EXPECT_TRUE(FindWindowA("#32770", "Remote Control") == NULL);
}

// The viewer's list as Copy puts it on the clipboard, each line without its time.
static Lines CopiedCodeLines(HWND viewer)
{
    HWND copy = FindWindowExA(viewer, NULL, "Button", "Copy");
    if (!copy)
        return { "no Copy button" };
    SendMessageA(copy, BM_CLICK, 0, 0);
    std::string text;
    WaitFor([&] {
        if (!OpenClipboard(NULL))
            return false;
        HANDLE data = GetClipboardData(CF_TEXT);
        const char *locked = data ? (const char *)GlobalLock(data) : NULL;
        text = locked ? locked : "";
        if (locked)
            GlobalUnlock(data);
        CloseClipboard();
        return !text.empty();
    }, 3000);
    Lines lines;
    size_t at = 0, end;
    while ((end = text.find("\r\n", at)) != std::string::npos) {
        std::string line = text.substr(at, end - at);
        lines.push_back(line.size() > 14 ? line.substr(14) : "short: " + line);
        at = end + 2;
    }
    return lines;
}

TEST_F(UserMaps, CodesOpensTheViewerThatListsWhereEachEventWent)
{
    WriteMap("[Player]\nclass=UserPlayer\nrepeat=3\n24=message 4024 24 0\n");
    TvAppInstance &player = StartApp("--as 5 --class UserPlayer --title player", "codes");
    StartKestrel(KESTREL_POLLING, "/codes");
    HWND viewer = NULL;
    ASSERT_TRUE(WaitFor([&] { return (viewer = FindWindowA(NULL, VIEWER_TITLE)) != NULL; }, 5000));
    Remote("hold 24 3 pause 400 press 6 pause 400 press 12");
    EXPECT_EQ(Lines(1, "post main 4024 24 0"), Collect(player, 1));
    EXPECT_EQ((Lines{ "code 24 (Up)  first  -> Player", "code 24 (Up)  repeat dropped  -> Player",
                      "code 24 (Up)  repeat dropped  -> Player", "code 6  first  -> the mouse",
                      "code 12  first  -> nothing" }),
              CopiedCodeLines(viewer));
    // The close box ends the viewer, not kestrel.
    PostMessageA(viewer, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitFor([] { return FindWindowA(NULL, VIEWER_TITLE) == NULL; }, 5000));
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(kestrel, 0));
}

TEST_F(UserMaps, CodesAsksTheRunningKestrelToOpenItsViewer)
{
    StartKestrel();
    PumpFor(300);
    EXPECT_TRUE(FindWindowA(NULL, VIEWER_TITLE) == NULL) << "no viewer unless asked";
    HANDLE second = NULL;
    ASSERT_TRUE(Launch("/CODES", &second));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(second, 10000)) << "the second one ends";
    CloseHandle(second);
    HWND viewer = NULL;
    ASSERT_TRUE(WaitFor([&] { return (viewer = FindWindowA(NULL, VIEWER_TITLE)) != NULL; }, 5000));
    DWORD owner = 0;
    GetWindowThreadProcessId(viewer, &owner);
    EXPECT_EQ(kestrelId, owner) << "the running kestrel shows it";
    Remote("press 7");
    EXPECT_EQ(Lines{ "code 7 (Down)  first  -> the mouse" }, CopiedCodeLines(viewer));
}
