// One tick of the hotfix installer automation at a time, against the installer stand-in's
// windows in a process of their own; what the stand-in's buttons received is its record.
#include <gtest/gtest.h>

#include <windows.h>
#include <string>
#include <vector>

#include "steps/hotfix_automation.h"
#include "tollgate_support.h"

typedef std::vector<std::string> Lines;

class Automation : public ::testing::Test {
protected:
    Automation() : medium("automation") {}
    ~Automation() override { EndStrayInstallers(); }

    // One tick; its result says whether the installer is done.
    static int Tick() { return AutomateHotfixInstaller(); }

    // Clicks the installer's own way: every message posted before this one has been
    // handled once the sentinel's second click is recorded.
    static bool Settle(const HotfixInstaller &installer)
    {
        HWND window = NULL;
        while ((window = FindWindowExA(NULL, window, "#32770", "Windows Update Standalone Installer"))) {
            HWND ok = FindWindowExA(window, NULL, "Button", "OK");
            if (ok) {
                PostMessageA(ok, WM_LBUTTONDOWN, MK_LBUTTON, 0);
                PostMessageA(ok, WM_LBUTTONUP, 0, 0);
            }
        }
        return installer.WaitForCount("click sentinel OK", 2);
    }

    static Lines Clicks(const HotfixInstaller &installer)
    {
        Lines clicks;
        for (const std::string &line : installer.Record())
            if (line.compare(0, 6, "click ") == 0 || line.compare(0, 5, "down ") == 0)
                clicks.push_back(line);
        return clicks;
    }

    Medium medium;
};

TEST_F(Automation, NoticeIsClickedAndEndsTheDialogInTheSameTick)
{
    HotfixInstaller installer(medium, "fix.msu", "notice\r\n");
    ASSERT_TRUE(installer.Start());
    EXPECT_EQ(1, Tick());
    EXPECT_EQ(0, installer.WaitForExit());
    // A click is a posted button-down with the left button held, then a posted button-up,
    // both at the button's own point (0, 0).
    EXPECT_EQ((Lines{ "show notice", "down notice OK 1 0 posted", "up notice OK 0 0 posted",
                      "click notice OK", "done notice", "end 0" }),
              installer.Record());
}

TEST_F(Automation, QuestionIsClickedAndTheDialogStaysWhileItSurvives)
{
    // The stand-in loses the first OK click, as an installer busy with something else may.
    HotfixInstaller installer(medium, "fix.msu", "confirm ignore=1\r\n");
    ASSERT_TRUE(installer.Start());
    EXPECT_EQ(0, Tick());
    ASSERT_TRUE(installer.WaitForCount("lost confirm OK", 1));
    EXPECT_EQ(0, Tick());
    ASSERT_TRUE(installer.WaitForCount("click confirm OK", 2));
    EXPECT_EQ(0, installer.WaitForExit());
    EXPECT_EQ((Lines{ "down confirm OK 1 0 posted", "click confirm OK", "down confirm OK 1 0 posted",
                      "click confirm OK" }),
              Clicks(installer));
    EXPECT_EQ(0, Tick()) << "nothing left to click";
}

TEST_F(Automation, TwoConfirmationsBothGetAClickInOneTick)
{
    // Both lose their first click, so neither window is gone before the search moves on
    // from it; a window closing under the search would leave the other to the next tick.
    HotfixInstaller installer(medium, "fix.msu",
                              "confirm name=first ignore=1 + confirm name=second ignore=1\r\n");
    ASSERT_TRUE(installer.Start(2));
    EXPECT_EQ(0, Tick());
    EXPECT_TRUE(installer.WaitForCount("lost first OK", 1));
    EXPECT_TRUE(installer.WaitForCount("lost second OK", 1));
}

TEST_F(Automation, ANoticeBesideAQuestionEndsTheDialogAndTheQuestionIsStillClicked)
{
    // Both windows stay through the tick, whichever of them the search meets first.
    HotfixInstaller installer(medium, "fix.msu", "confirm ignore=1 + notice ignore=1\r\n");
    ASSERT_TRUE(installer.Start(2));
    EXPECT_EQ(1, Tick());
    EXPECT_TRUE(installer.WaitForCount("lost confirm OK", 1));
    EXPECT_TRUE(installer.WaitForCount("lost notice OK", 1));
}

TEST_F(Automation, ProgressWindowWaitsForItsClose)
{
    HotfixInstaller installer(medium, "fix.msu",
                              "confirm name=sentinel ignore=9 + progress 60000 name=working\r\n");
    ASSERT_TRUE(installer.Start(2));
    EXPECT_EQ(0, Tick());
    ASSERT_TRUE(Settle(installer));
    EXPECT_EQ((Lines{ "down sentinel OK 1 0 posted", "click sentinel OK", "down sentinel OK 1 0 posted",
                      "click sentinel OK" }),
              Clicks(installer));
}

TEST_F(Automation, FinishedProgressIsClosedInsideTheLastChildOfItsFirstChild)
{
    // A Close inside the first child, where the installer has none, is left alone.
    HotfixInstaller installer(medium, "fix.msu", "confirm\r\nprogress 200 decoy\r\n");
    ASSERT_TRUE(installer.Start());
    EXPECT_EQ(0, Tick());
    ASSERT_TRUE(installer.WaitForCount("ready progress", 1));
    EXPECT_EQ(1, Tick());
    EXPECT_EQ(0, installer.WaitForExit());
    EXPECT_EQ((Lines{ "down confirm OK 1 0 posted", "click confirm OK", "down progress Close 1 0 posted",
                      "click progress Close" }),
              Clicks(installer));
}

TEST_F(Automation, ProgressWithoutChildrenOrWithCloseOutsideItsPanelsIsPassedOver)
{
    HotfixInstaller installer(medium, "fix.msu",
                              "confirm name=sentinel ignore=9 + progress shape=bare name=bare"
                              " + progress shape=flat name=flat\r\n");
    ASSERT_TRUE(installer.Start(3));
    ASSERT_TRUE(installer.WaitForCount("ready flat", 1));
    EXPECT_EQ(0, Tick());
    ASSERT_TRUE(Settle(installer));
    EXPECT_EQ((Lines{ "down sentinel OK 1 0 posted", "click sentinel OK", "down sentinel OK 1 0 posted",
                      "click sentinel OK" }),
              Clicks(installer));
}

TEST_F(Automation, OnlyTheFirstFinishedProgressWindowIsClosed)
{
    HotfixInstaller installer(medium, "fix.msu", "progress name=one + progress name=two\r\n");
    ASSERT_TRUE(installer.Start(2));
    ASSERT_TRUE(installer.WaitForCount("ready one", 1));
    ASSERT_TRUE(installer.WaitForCount("ready two", 1));
    EXPECT_EQ(1, Tick());
    DWORD begun = GetTickCount();
    while (installer.Count("done one") + installer.Count("done two") == 0
           && GetTickCount() - begun < 10000)
        Sleep(10);
    EXPECT_EQ(1, installer.Count("click one Close") + installer.Count("click two Close"));
    // The other one is clicked on the next tick, had the dialog not ended.
    EXPECT_EQ(1, Tick());
    ASSERT_TRUE(installer.WaitForCount("click one Close", 1)) << ::testing::PrintToString(installer.Record());
    ASSERT_TRUE(installer.WaitForCount("click two Close", 1));
    EXPECT_EQ(1, installer.Count("click one Close"));
    EXPECT_EQ(1, installer.Count("click two Close"));
}

TEST_F(Automation, AConfirmationNotShownYetIsLeftAlone)
{
    // As an installer's window is while it is being built: hidden, its OK made, its Cancel not yet.
    HWND window = CreateWindowExA(0, "#32770", "Windows Update Standalone Installer", WS_POPUP, 0, 0, 200, 100,
                                  NULL, NULL, NULL, NULL);
    ASSERT_TRUE(window != NULL);
    HWND ok = CreateWindowExA(0, "Button", "OK", WS_CHILD | WS_VISIBLE, 10, 10, 60, 20, window, NULL, NULL, NULL);
    ASSERT_TRUE(ok != NULL);
    MSG message;
    EXPECT_EQ(0, Tick()) << "taken for the final notice";
    EXPECT_FALSE(PeekMessageA(&message, ok, WM_LBUTTONDOWN, WM_LBUTTONUP, PM_REMOVE)) << "clicked while hidden";

    ShowWindow(window, SW_SHOWNOACTIVATE);
    EXPECT_EQ(1, Tick()) << "on screen with OK alone, it is the final notice";
    EXPECT_TRUE(PeekMessageA(&message, ok, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
    DestroyWindow(window);
}

TEST_F(Automation, NoInstallerWindowMeansNothingToDo)
{
    EXPECT_EQ(0, Tick());
    // A window of another title or class is not the installer's.
    HWND other = CreateWindowExA(0, "#32770", "Windows Update", WS_POPUP, 0, 0, 10, 10, NULL, NULL,
                                 GetModuleHandleA(NULL), NULL);
    EXPECT_EQ(0, Tick());
    DestroyWindow(other);
}
