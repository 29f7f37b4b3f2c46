// Dialog placement by screen width, on a real dialog of the program.
#include <gtest/gtest.h>

#include "dialog_probe.h"
#include "ui/place_dialog.h"

static INT_PTR CALLBACK Plain(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

class PlaceDialog : public ::testing::Test {
protected:
    HWND dialog = NULL;
    void Open()
    {
        if (dialog)
            DestroyWindow(dialog);
        dialog = CreateDialogParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(21), NULL, Plain, 0);
        ASSERT_TRUE(dialog != NULL);
    }
    void TearDown() override
    {
        if (dialog)
            DestroyWindow(dialog);
    }
    RECT Rect()
    {
        RECT rect;
        GetWindowRect(dialog, &rect);
        return rect;
    }
    bool Topmost()
    {
        return (GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    }
};

TEST_F(PlaceDialog, KnownWidthsPutItTopmostAtTheirPlace)
{
    const struct {
        int width, x, y;
    } rows[] = { { 640, 160, 200 }, { 800, 280, 250 }, { 1024, 350, 300 },
                 { 1152, 420, 300 }, { 1280, 420, 300 }, { 1600, 580, 340 } };
    for (const auto &row : rows) {
        Open();
        RECT before = Rect();
        ASSERT_FALSE(Topmost());
        EXPECT_EQ(1, PlaceDialogForWidth(dialog, row.width));
        RECT after = Rect();
        EXPECT_EQ(row.x, after.left) << row.width;
        EXPECT_EQ(row.y, after.top) << row.width;
        EXPECT_EQ(before.right - before.left, after.right - after.left) << "not resized";
        EXPECT_EQ(before.bottom - before.top, after.bottom - after.top);
        EXPECT_TRUE(Topmost()) << row.width;
    }
}

TEST_F(PlaceDialog, OtherWidthsLeaveTheTemplatePlace)
{
    for (int width : { 1366, 1920, 1023, 0 }) {
        Open();
        RECT templatePlace = DialogUnits(dialog, 22, 17, 0, 0);
        EXPECT_EQ(0, PlaceDialogForWidth(dialog, width));
        // The template places the client area.
        POINT client = { 0, 0 };
        ClientToScreen(dialog, &client);
        EXPECT_EQ(templatePlace.left, client.x) << width;
        EXPECT_EQ(templatePlace.top, client.y) << width;
        EXPECT_FALSE(Topmost()) << width;
    }
}
