// The settings store against the registry: what a first start creates, what a missing value
// becomes, how numbers of any kind are read, and when a choice is written back.
#include <gtest/gtest.h>
#include <string>

#include "base/seams.h"
#include "registry_support.h"
#include "settings/settings.h"

static const char key[] = KESTREL_SETTINGS_KEY;

static std::string Bytes(std::initializer_list<int> values)
{
    std::string bytes;
    for (int value : values)
        bytes += (char)value;
    return bytes;
}

static LONG (*const Standard)(const char *, REGSAM, int, HKEY *) = openSettingsKey;

class Settings : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeleteKeyTree("SOFTWARE\\Corvel");
        defaultTvApp = 9;
        alwaysRemoteOff = 0;
    }
    void TearDown() override
    {
        openSettingsKey = Standard;
        DeleteKeyTree("SOFTWARE\\Corvel");
        defaultTvApp = 9;
        alwaysRemoteOff = 0;
    }
};

TEST_F(Settings, FirstStartCreatesTheKeyWithNineAndZero)
{
    ASSERT_FALSE(KeyExists(key));
    EXPECT_EQ(1, LoadSettings());
    EXPECT_EQ(9, ReadDword(key, "DefaultTVAPP"));
    EXPECT_EQ(0, ReadDword(key, "AlwaysRemoteOff"));
    EXPECT_EQ(9, defaultTvApp);
    EXPECT_EQ(0, alwaysRemoteOff);
}

TEST_F(Settings, MissingValuesAreRecreatedAlone)
{
    ASSERT_TRUE(WriteDword(key, "DefaultTVAPP", 5));
    LoadSettings();
    EXPECT_EQ(5, defaultTvApp);
    EXPECT_EQ(5, ReadDword(key, "DefaultTVAPP")) << "the present value is left alone";
    EXPECT_EQ(0, ReadDword(key, "AlwaysRemoteOff"));
    EXPECT_EQ(0, alwaysRemoteOff);

    // DefaultTVAPP missing: written with the number in memory at that moment.
    DeleteRegValue(key, "DefaultTVAPP");
    ASSERT_TRUE(WriteDword(key, "AlwaysRemoteOff", 2));
    defaultTvApp = 3;
    LoadSettings();
    EXPECT_EQ(3, ReadDword(key, "DefaultTVAPP"));
    EXPECT_EQ(3, defaultTvApp);
    EXPECT_EQ(2, ReadDword(key, "AlwaysRemoteOff"));
}

TEST_F(Settings, OnlyOneSwitchesTheRemoteOff)
{
    const struct {
        DWORD stored;
        int off;
    } cases[] = { { 0, 0 }, { 1, 1 }, { 2, 0 }, { 257, 0 }, { 0xFFFFFFFF, 0 } };
    for (const auto &c : cases) {
        alwaysRemoteOff = 0;
        ASSERT_TRUE(WriteDword(key, "AlwaysRemoteOff", c.stored));
        LoadSettings();
        EXPECT_EQ(c.off, alwaysRemoteOff) << "AlwaysRemoteOff = " << c.stored;
        EXPECT_EQ(c.stored, ReadDword(key, "AlwaysRemoteOff")) << "never written by the utility";
    }
}

TEST_F(Settings, DefaultOutsideTheIndexesIsKeptUnchanged)
{
    for (DWORD stored : { 0u, 12u, 0xFFFFFFFFu }) {
        ASSERT_TRUE(WriteDword(key, "DefaultTVAPP", stored));
        defaultTvApp = 9;
        LoadSettings();
        EXPECT_EQ((int)stored, defaultTvApp);
        EXPECT_EQ(stored, ReadDword(key, "DefaultTVAPP"));
    }
}

TEST_F(Settings, ValuesOfAnotherTypeAreReadAsTheirFirstFourBytes)
{
    const struct {
        DWORD type;
        std::string bytes;
        int number;
    } cases[] = {
        { REG_BINARY, Bytes({ 7, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF }), 7 },
        { REG_BINARY, Bytes({ 3, 0 }), 3 },
        { REG_BINARY, Bytes({ 1, 2, 3 }), 0x030201 },
        { REG_BINARY, "", 0 },
        { REG_SZ, std::string("5\0", 2), '5' },
        { REG_SZ, std::string("1234567\0", 8), 0x34333231 },
        { REG_QWORD, Bytes({ 8, 0, 0, 0, 1, 0, 0, 0 }), 8 },
        { REG_BINARY, std::string(4000, '\x02'), 0x02020202 },
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(WriteRegValue(key, "DefaultTVAPP", c.type, c.bytes));
        defaultTvApp = 9;
        LoadSettings();
        EXPECT_EQ(c.number, defaultTvApp) << "type " << c.type << ", " << c.bytes.size() << " bytes";
        RegValue after = ReadRegValue(key, "DefaultTVAPP");
        EXPECT_EQ(c.type, after.type) << "a present value is not rewritten";
        EXPECT_EQ(c.bytes, after.bytes);
    }
    ASSERT_TRUE(WriteRegValue(key, "AlwaysRemoteOff", REG_BINARY, Bytes({ 1, 0, 0, 0, 9, 9 })));
    LoadSettings();
    EXPECT_EQ(1, alwaysRemoteOff);
    ASSERT_TRUE(WriteRegValue(key, "AlwaysRemoteOff", REG_BINARY, Bytes({ 1, 0, 0, 1 })));
    alwaysRemoteOff = 0;
    LoadSettings();
    EXPECT_EQ(0, alwaysRemoteOff);
}

TEST_F(Settings, SaveWritesOnlyOverAnExistingValue)
{
    defaultTvApp = 6;
    EXPECT_EQ(0, SaveDefaultApp()) << "no key";
    EXPECT_FALSE(KeyExists(key)) << "the save never creates the key";

    LoadSettings();
    defaultTvApp = 6;
    EXPECT_EQ(1, SaveDefaultApp());
    EXPECT_EQ(6, ReadDword(key, "DefaultTVAPP"));

    ASSERT_TRUE(WriteString(key, "DefaultTVAPP", "long text"));
    defaultTvApp = 2;
    EXPECT_EQ(1, SaveDefaultApp()) << "a value of another type is replaced";
    EXPECT_EQ(2, ReadDword(key, "DefaultTVAPP"));

    DeleteRegValue(key, "DefaultTVAPP");
    defaultTvApp = 4;
    EXPECT_EQ(0, SaveDefaultApp());
    EXPECT_FALSE(ReadRegValue(key, "DefaultTVAPP").exists) << "nor the value";
    EXPECT_EQ(0, ReadDword(key, "AlwaysRemoteOff"));
}

// What Windows grants a standard user on the key when kestrel is not virtualized, through
// the seam: Wine opens every key with all access.
enum Refusal { WRITING_REFUSED, ALL_REFUSED };
static Refusal refusal;
static LONG OpenAsStandardUser(const char *path, REGSAM access, int create, HKEY *opened)
{
    if (create)
        return ERROR_ACCESS_DENIED;   // nothing new under HKLM\\SOFTWARE
    HKEY probe;
    LONG found = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &probe);
    if (found != ERROR_SUCCESS)
        return found;                 // a key that is not there is not there for anyone
    RegCloseKey(probe);
    if (refusal == ALL_REFUSED || (access & (KEY_SET_VALUE | KEY_CREATE_SUB_KEY)))
        return ERROR_ACCESS_DENIED;
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, access, opened);
}

TEST_F(Settings, StandardUserReadsTheInstallersValuesAndSavingIsRefused)
{
    struct Case {
        Refusal refusal;
        bool installed;        // the installer wrote DefaultTVAPP 5 and AlwaysRemoteOff 1
        int defaultApp, remoteOff;
        int save;
    } cases[] = {
        { WRITING_REFUSED, true, 5, 1, SAVE_REFUSED },
        { WRITING_REFUSED, false, 9, 0, SAVE_SKIPPED },
        { ALL_REFUSED, true, 9, 0, SAVE_REFUSED },
        { ALL_REFUSED, false, 9, 0, SAVE_SKIPPED },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.refusal) + (c.installed ? " installed" : " no key"));
        DeleteKeyTree("SOFTWARE\\Corvel");
        if (c.installed) {
            ASSERT_TRUE(WriteDword(key, "DefaultTVAPP", 5));
            ASSERT_TRUE(WriteDword(key, "AlwaysRemoteOff", 1));
        }
        defaultTvApp = 9;
        alwaysRemoteOff = 0;
        refusal = c.refusal;
        openSettingsKey = OpenAsStandardUser;
        EXPECT_EQ(1, LoadSettings());
        EXPECT_EQ(c.defaultApp, defaultTvApp);
        EXPECT_EQ(c.remoteOff, alwaysRemoteOff);
        defaultTvApp = 3;
        EXPECT_EQ(c.save, SaveDefaultApp());
        EXPECT_EQ(3, defaultTvApp) << "the choice holds for the run";
        openSettingsKey = Standard;
        EXPECT_EQ(c.installed, KeyExists(key));
        if (c.installed) {
            EXPECT_EQ(5, ReadDword(key, "DefaultTVAPP"));
        }
    }
}
