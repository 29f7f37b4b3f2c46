// The About dialog as the program opens it, and the resources of the shipped kestrel.exe:
// icons, strings, accelerators and version, read from the file.
#include <gtest/gtest.h>
#include <stdio.h>
#include <set>
#include <string>
#include <tuple>

#include "dialog_probe.h"
#include "res/resource.h"
#include "ui/about.h"
#include "win_support.h"

// What the About dialog shows, with the release's version as VERSION writes it.
static const std::string aboutVersion = std::string("Vireo Remote Control Utility V") + RELEASE_VERSION;

static INT_PTR OpenAbout()
{
    return DialogBoxParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(21), NULL, AboutDialogProc, 0);
}

// Its template is checked in the program file (Resources); here what the dialog shows.
TEST(About, TextsIconAndPlace)
{
    std::vector<DialogControl> controls;
    RECT window = {};
    std::string font;
    LONG fontHeight = 0, exStyle = 0;
    COLORREF iconCentre = 0;
    INT_PTR result = RunModal(OpenAbout, "Remote Control - About", [&](HWND dialog) {
        controls = ReadControls(dialog);
        GetWindowRect(dialog, &window);
        exStyle = GetWindowLongA(dialog, GWL_EXSTYLE);
        font = DialogFont(dialog, &fontHeight);
        iconCentre = IconCentre(GetWindow(dialog, GW_CHILD));
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("Arial", font);
    EXPECT_EQ(-11, fontHeight) << "8 points";
    // This screen is 1024 wide.
    EXPECT_EQ(350, window.left);
    EXPECT_EQ(300, window.top);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_LT(GetRValue(iconCentre), 128) << "the program icon, dark in its middle";
    ASSERT_EQ(4u, controls.size());
    EXPECT_EQ(aboutVersion, controls[1].text);
    EXPECT_NE("", controls[2].text) << "the legal notice";
    EXPECT_EQ("OK", controls[3].text);
}

TEST(About, OkEscapeAndTheCloseBoxEndIt)
{
    bool seen = false;
    EXPECT_EQ(IDOK, RunModal(OpenAbout, "Remote Control - About",
                             [](HWND dialog) { ClickControl(GetDlgItem(dialog, IDOK)); }, &seen));
    EXPECT_TRUE(seen);
    EXPECT_EQ(IDCANCEL, RunModal(OpenAbout, "Remote Control - About", [](HWND dialog) {
                  PostMessageA(GetDlgItem(dialog, IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
              }));
    EXPECT_EQ(IDCANCEL, RunModal(OpenAbout, "Remote Control - About", [](HWND dialog) {
                  POINT close = CloseBoxPoint(dialog);
                  ClickAt(close.x, close.y);
              }));
}

// The shipped program file, loaded as data.
class Resources : public ::testing::Test {
protected:
    HMODULE program = NULL;
    void SetUp() override
    {
        program = LoadLibraryExA((ModuleFolder() + "kestrel.exe").c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_TRUE(program != NULL);
    }
    void TearDown() override
    {
        FreeLibrary(program);
    }
    const BYTE *Resource(LPCSTR type, int id, DWORD *size)
    {
        HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(id), type);
        if (!found)
            return NULL;
        *size = SizeofResource(program, found);
        return (const BYTE *)LockResource(LoadResource(program, found));
    }
    // (width, height, bits) of each image of an icon group, from the group and the image.
    std::set<std::tuple<int, int, int>> IconImages(int group)
    {
        std::set<std::tuple<int, int, int>> images;
        DWORD size = 0;
        const BYTE *data = Resource(RT_GROUP_ICON, group, &size);
        if (!data || size < 6)
            return images;
        int count = data[4] | data[5] << 8;
        for (int i = 0; i < count && 6 + 14 * (i + 1) <= (int)size; ++i) {
            const BYTE *entry = data + 6 + 14 * i;
            int bits = entry[6] | entry[7] << 8;
            int id = entry[12] | entry[13] << 8;
            DWORD imageSize = 0;
            const BITMAPINFOHEADER *image = (const BITMAPINFOHEADER *)Resource(RT_ICON, id, &imageSize);
            EXPECT_TRUE(image && image->biBitCount == bits) << "image " << id;
            images.insert(std::make_tuple(entry[0], entry[1], bits));
        }
        return images;
    }
    std::string VersionString(const std::string &name)
    {
        std::string path = ModuleFolder() + "kestrel.exe";
        DWORD handle = 0;
        std::vector<char> info(GetFileVersionInfoSizeA(path.c_str(), &handle) + 1);
        if (!GetFileVersionInfoA(path.c_str(), 0, (DWORD)info.size(), info.data()))
            return "(none)";
        char *text = NULL;
        UINT length = 0;
        std::string query = "\\StringFileInfo\\040904b0\\" + name;
        if (!VerQueryValueA(info.data(), query.c_str(), (void **)&text, &length) || !text)
            return "(none)";
        return text;
    }
};

TEST_F(Resources, IconImagesAtTheirSizesAndDepths)
{
    EXPECT_EQ((std::set<std::tuple<int, int, int>>{ { 16, 16, 4 }, { 16, 16, 8 }, { 32, 32, 8 }, { 32, 32, 24 } }),
              IconImages(50));
    EXPECT_EQ((std::set<std::tuple<int, int, int>>{ { 32, 32, 4 }, { 16, 16, 4 } }), IconImages(110));
}

struct ExpectedControl {
    const char *className;
    int id;
    const char *text;   // NULL: any text but an empty one
    DWORD styleMask, style;
    int x, y, cx, cy;
};

static void ExpectTemplate(const DialogTemplate &found, DWORD style, int x, int y, int cx, int cy,
                           const char *caption, const std::vector<ExpectedControl> &controls)
{
    ASSERT_TRUE(found.found) << caption;
    const DWORD frame = WS_POPUP | WS_CHILD | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK | DS_SETFONT;
    EXPECT_EQ(style | DS_SETFONT, found.style & frame) << caption;
    EXPECT_EQ(x, found.x) << caption;
    EXPECT_EQ(y, found.y) << caption;
    EXPECT_EQ(cx, found.cx) << caption;
    EXPECT_EQ(cy, found.cy) << caption;
    EXPECT_EQ(caption, found.caption);
    EXPECT_EQ("Arial", found.font) << caption;
    EXPECT_EQ(8, found.pointSize) << caption;
    ASSERT_EQ(controls.size(), found.items.size()) << caption;
    for (size_t i = 0; i < controls.size(); ++i) {
        const ExpectedControl &want = controls[i];
        const TemplateItem &item = found.items[i];
        EXPECT_EQ(want.className, item.className) << caption << " control " << i;
        EXPECT_EQ(want.id, item.id) << caption << " control " << i;
        if (want.text)
            EXPECT_EQ(want.text, item.text) << caption << " control " << i;
        else
            EXPECT_NE("", item.text) << caption << " control " << i;
        EXPECT_EQ(want.style, item.style & want.styleMask) << caption << " control " << i;
        EXPECT_EQ(want.x, item.x) << caption << " control " << i;
        EXPECT_EQ(want.y, item.y) << caption << " control " << i;
        EXPECT_EQ(want.cx, item.cx) << caption << " control " << i;
        EXPECT_EQ(want.cy, item.cy) << caption << " control " << i;
    }
}

static const DWORD buttonMask = 0x0F | WS_TABSTOP | WS_GROUP;
static const DWORD staticMask = SS_TYPEMASK | SS_NOPREFIX | WS_TABSTOP;

TEST_F(Resources, DialogTemplatesAsTabled)
{
    ExpectTemplate(ReadTemplate(program, 20), WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK, 0, 0,
                   200, 60, "Remote Control - Setting",
                   { { "BUTTON", 1, "OK", buttonMask, BS_DEFPUSHBUTTON | WS_TABSTOP, 80, 42, 40, 15 },
                     { "STATIC", -1,
                       "Select the application you want to launch when pressing power key on remote controller",
                       staticMask, SS_LEFT, 30, 5, 160, 16 },
                     { "STATIC", -1, "#50", staticMask, SS_ICON, 5, 5, 20, 20 },
                     { "COMBOBOX", 11, "", 0x0F | CBS_SORT | WS_VSCROLL | WS_TABSTOP,
                       CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 45, 25, 120, 69 } });
    ExpectTemplate(ReadTemplate(program, 107), WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 0, 200, 60,
                   "Remote Control - Shut Down",
                   { { "BUTTON", 1, "OK", buttonMask, BS_DEFPUSHBUTTON | WS_TABSTOP, 50, 40, 40, 14 },
                     { "BUTTON", 2, "Cancel", buttonMask, BS_PUSHBUTTON | WS_TABSTOP, 115, 40, 40, 14 },
                     { "STATIC", -1, "Press \"Power\" to shut down your computer, or any other key to cancel.",
                       staticMask, SS_LEFT, 40, 12, 145, 20 },
                     { "STATIC", -1, "#110", staticMask, SS_ICON, 12, 12, 20, 20 } });
    ExpectTemplate(ReadTemplate(program, 21), WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 22, 17, 250, 45,
                   "Remote Control - About",
                   { { "STATIC", -1, "#50", staticMask, SS_ICON, 10, 10, 20, 20 },
                     { "STATIC", -1, aboutVersion.c_str(), staticMask, SS_LEFT | SS_NOPREFIX, 40, 10, 155, 10 },
                     { "STATIC", -1, NULL, staticMask, SS_LEFT, 40, 25, 165, 10 },
                     { "BUTTON", 1, "OK", buttonMask, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 197, 7, 35, 15 } });
}

TEST_F(Resources, StringsAndTheThreeDialogs)
{
    char text[100] = "";
    EXPECT_EQ(14, LoadStringA(program, 22, text, sizeof text));
    EXPECT_STREQ("Remote Control", text);
    EXPECT_EQ(14, LoadStringA(program, 23, text, sizeof text));
    EXPECT_STREQ("Remote Control", text);
    DWORD size = 0;
    for (int dialog : { 20, 21, 107 })
        EXPECT_TRUE(Resource(RT_DIALOG, dialog, &size) != NULL) << dialog;
}

TEST_F(Resources, AcceleratorsAltSlashAndAltQuestionMark)
{
    DWORD size = 0;
    const WORD *table = (const WORD *)Resource(RT_ACCELERATOR, 23, &size);
    ASSERT_TRUE(table != NULL);
    ASSERT_EQ(16u, size) << "two entries";
    // Flags, key, command, padding.
    EXPECT_EQ(0x12, table[0]);
    EXPECT_EQ('/', table[1]);
    EXPECT_EQ(30, table[2]);
    EXPECT_EQ(0x92, table[4]) << "the last entry";
    EXPECT_EQ('?', table[5]);
    EXPECT_EQ(32, table[6]);
}

TEST_F(Resources, VersionAsTheVersionFileHasIt)
{
    unsigned part[4] = {};
    ASSERT_EQ(4, sscanf(RELEASE_VERSION, "%u.%u.%u.%u", &part[0], &part[1], &part[2], &part[3])) << RELEASE_VERSION;
    char commas[64];
    snprintf(commas, sizeof commas, "%u, %u, %u, %u", part[0], part[1], part[2], part[3]);
    std::string path = ModuleFolder() + "kestrel.exe";
    DWORD handle = 0;
    std::vector<char> info(GetFileVersionInfoSizeA(path.c_str(), &handle) + 1);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, (DWORD)info.size(), info.data()));
    VS_FIXEDFILEINFO *fixed = NULL;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", (void **)&fixed, &length));
    EXPECT_EQ((part[0] << 16) | part[1], fixed->dwFileVersionMS);
    EXPECT_EQ((part[2] << 16) | part[3], fixed->dwFileVersionLS);
    EXPECT_EQ((part[0] << 16) | part[1], fixed->dwProductVersionMS);
    EXPECT_EQ((part[2] << 16) | part[3], fixed->dwProductVersionLS);
    EXPECT_EQ(commas, VersionString("FileVersion"));
    EXPECT_EQ(commas, VersionString("ProductVersion"));
    EXPECT_EQ("Remote Control", VersionString("FileDescription"));
    EXPECT_EQ("Remote Control", VersionString("ProductName"));
    EXPECT_EQ("kestrel.exe", VersionString("OriginalFilename"));
    EXPECT_NE("(none)", VersionString("LegalCopyright"));
}
