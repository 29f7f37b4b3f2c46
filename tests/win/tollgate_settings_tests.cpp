// Setting.ini as the launcher reads it through the system's profile functions.
#include <gtest/gtest.h>

#include <string.h>
#include <string>

#include "medium/launcher_settings.h"
#include "tollgate_support.h"

static const char defaultNoSetupPath[] =
    "The driver of this version does not support this operating system.";
static const char defaultRePlugin[] = "Please Re-Plugin the USB device on your computer.";

class Settings : public ::testing::Test {
protected:
    Medium medium{"settings"};
    LauncherSettings settings;

    void Read(const std::string &text)
    {
        medium.WriteSettings(text);
        ReadSettingsFrom(medium.Path("Setting.ini").c_str(), &settings);
    }
    void ExpectEveryEntryEmpty(void)
    {
        for (int c = 0; c < CLASS_COUNT; ++c)
            for (int i = 0; i < ANOTHER_AP_LIMIT; ++i)
                EXPECT_STREQ("", settings.anotherAp[c][i]) << "class " << c << " entry " << i;
    }
};

TEST_F(Settings, NoFileGivesEveryDefault)
{
    memset(&settings, 'x', sizeof settings);
    ReadSettingsFrom(medium.Path("Setting.ini").c_str(), &settings);
    const LauncherSettings &s = settings;
    EXPECT_STREQ("Vista_x64", s.setupPath[CLASS_VISTA_X64]);
    EXPECT_STREQ("Vista_x86", s.setupPath[CLASS_VISTA_X86]);
    EXPECT_STREQ("XP_x64", s.setupPath[CLASS_XP_X64]);
    EXPECT_STREQ("XP_x86", s.setupPath[CLASS_XP_X86]);
    for (int c = 0; c < CLASS_COUNT; ++c)
        EXPECT_STREQ("SetupDrv.exe", s.setupExe[c]);
    EXPECT_EQ(0, s.enableAudioClass);
    EXPECT_EQ(0, s.enableTimer);
    EXPECT_EQ(0, s.waitTimer);
    EXPECT_EQ(0, s.checkFinishInstall);
    EXPECT_EQ(0, s.anotherAPNum);
    ExpectEveryEntryEmpty();
    EXPECT_STREQ("SetupDrv", s.setup);
    EXPECT_STREQ(defaultNoSetupPath, s.noSetupPath);
    EXPECT_STREQ(defaultRePlugin, s.rePlugin);
    EXPECT_STREQ("0", s.launchAnotherAPParam);
}

TEST_F(Settings, EveryKeyIsRead)
{
    Read("[Const]\r\n"
         "SetupVistax64Path=v64\r\nSetupVistax64Exe=v64.exe\r\n"
         "SetupVistax86Path=v86\r\nSetupVistax86Exe=v86.exe\r\n"
         "SetupXPx64Path=x64\r\nSetupXPx64Exe=x64.exe\r\n"
         "SetupXPx86Path=x86\r\nSetupXPx86Exe=x86.exe\r\n"
         "EnableAudioClass=1\r\nEnableTimer=3\r\nWaitTimer=500\r\nCheckFinishInstall=1\r\n"
         "AnotherAPNum=2\r\n"
         "AnotherAPVistax64Exe0=a\r\nAnotherAPVistax86Exe0=b\r\nAnotherAPXPx64Exe0=c\r\n"
         "AnotherAPXPx86Exe0=d\r\nAnotherAPXPx86Exe1=sub\\e.msu\r\n"
         "Setup=Tuner setup\r\nNoSetupPath=Not here\r\nRePlugin=Plug again\r\n"
         "LaunchAnotherAPParam=/q /norestart\r\n");
    const LauncherSettings &s = settings;
    EXPECT_STREQ("v64", s.setupPath[CLASS_VISTA_X64]);
    EXPECT_STREQ("v64.exe", s.setupExe[CLASS_VISTA_X64]);
    EXPECT_STREQ("v86", s.setupPath[CLASS_VISTA_X86]);
    EXPECT_STREQ("v86.exe", s.setupExe[CLASS_VISTA_X86]);
    EXPECT_STREQ("x64", s.setupPath[CLASS_XP_X64]);
    EXPECT_STREQ("x64.exe", s.setupExe[CLASS_XP_X64]);
    EXPECT_STREQ("x86", s.setupPath[CLASS_XP_X86]);
    EXPECT_STREQ("x86.exe", s.setupExe[CLASS_XP_X86]);
    EXPECT_EQ(1, s.enableAudioClass);
    EXPECT_EQ(3, s.enableTimer);
    EXPECT_EQ(500, s.waitTimer);
    EXPECT_EQ(1, s.checkFinishInstall);
    EXPECT_EQ(2, s.anotherAPNum);
    EXPECT_STREQ("a", s.anotherAp[CLASS_VISTA_X64][0]);
    EXPECT_STREQ("b", s.anotherAp[CLASS_VISTA_X86][0]);
    EXPECT_STREQ("c", s.anotherAp[CLASS_XP_X64][0]);
    EXPECT_STREQ("d", s.anotherAp[CLASS_XP_X86][0]);
    EXPECT_STREQ("sub\\e.msu", s.anotherAp[CLASS_XP_X86][1]);
    EXPECT_STREQ("", s.anotherAp[CLASS_VISTA_X64][1]);
    EXPECT_STREQ("Tuner setup", s.setup);
    EXPECT_STREQ("Not here", s.noSetupPath);
    EXPECT_STREQ("Plug again", s.rePlugin);
    EXPECT_STREQ("/q /norestart", s.launchAnotherAPParam);
}

TEST_F(Settings, NumbersConvertAsAtoi)
{
    Read("[Const]\r\nWaitTimer=abc\r\nEnableTimer=\" 2\"\r\nEnableAudioClass=  7 days\r\n"
         "CheckFinishInstall=-3\r\nAnotherAPNum=0x3\r\n");
    EXPECT_EQ(0, settings.waitTimer);
    EXPECT_EQ(2, settings.enableTimer);
    EXPECT_EQ(7, settings.enableAudioClass);
    EXPECT_EQ(-3, settings.checkFinishInstall);
    EXPECT_EQ(0, settings.anotherAPNum);
}

TEST_F(Settings, NegativeCountReadsNoEntry)
{
    Read("[Const]\r\nAnotherAPNum=-1\r\nAnotherAPXPx86Exe0=a.exe\r\nAnotherAPVistax64Exe0=b.exe\r\n");
    EXPECT_EQ(-1, settings.anotherAPNum);
    EXPECT_EQ(0, AnotherApCount(settings));
    ExpectEveryEntryEmpty();
}

TEST_F(Settings, EntriesAtOrAboveTheCountAreIgnored)
{
    Read("[Const]\r\nAnotherAPNum=2\r\nAnotherAPXPx64Exe0=a\r\nAnotherAPXPx64Exe1=b\r\n"
         "AnotherAPXPx64Exe2=c\r\nAnotherAPXPx64Exe01=d\r\n");
    EXPECT_STREQ("a", settings.anotherAp[CLASS_XP_X64][0]);
    EXPECT_STREQ("b", settings.anotherAp[CLASS_XP_X64][1]);
    EXPECT_STREQ("", settings.anotherAp[CLASS_XP_X64][2]);
}

TEST_F(Settings, CountAboveFiveCountsAsFive)
{
    std::string text = "[Const]\r\nAnotherAPNum=9\r\n";
    for (int i = 0; i < 9; ++i)
        text += "AnotherAPVistax86Exe" + std::to_string(i) + "=p" + std::to_string(i) + "\r\n";
    Read(text);
    EXPECT_EQ(9, settings.anotherAPNum);
    EXPECT_EQ(5, AnotherApCount(settings));
    for (int i = 0; i < ANOTHER_AP_LIMIT; ++i)
        EXPECT_EQ("p" + std::to_string(i), settings.anotherAp[CLASS_VISTA_X86][i]);
}

TEST_F(Settings, PresentButEmptyIsEmptyNotDefault)
{
    Read("[Const]\r\nSetup=\r\nSetupXPx64Path=\r\nNoSetupPath=\r\nLaunchAnotherAPParam=\r\n");
    EXPECT_STREQ("", settings.setup);
    EXPECT_STREQ("", settings.setupPath[CLASS_XP_X64]);
    EXPECT_STREQ("SetupDrv.exe", settings.setupExe[CLASS_XP_X64]);
    EXPECT_STREQ("", settings.noSetupPath);
    EXPECT_STREQ("", settings.launchAnotherAPParam);
    EXPECT_STREQ(defaultRePlugin, settings.rePlugin);
}

TEST_F(Settings, OnlySectionConstCountsAndNamesIgnoreCase)
{
    Read("Setup=before any section\r\n"
         "[Other]\r\nSetup=Other caption\r\nAnotherAPNum=3\r\nSetupXPx86Exe=other.exe\r\n"
         "[cONST]\r\nsetupxpx86path=Drivers\r\n"
         "[Const2]\r\nSetupXPx86Exe=wrong.exe\r\n");
    EXPECT_STREQ("SetupDrv", settings.setup);
    EXPECT_EQ(0, settings.anotherAPNum);
    EXPECT_STREQ("Drivers", settings.setupPath[CLASS_XP_X86]);
    EXPECT_STREQ("SetupDrv.exe", settings.setupExe[CLASS_XP_X86]);
}

TEST_F(Settings, LongValueIsCutTo255)
{
    std::string value;
    for (int i = 0; i < 300; ++i)
        value += (char)('a' + i % 26);
    Read("[Const]\r\nSetupVistax64Exe=" + value + "\r\nRePlugin=" + value + "\r\n");
    EXPECT_EQ(value.substr(0, 255), settings.setupExe[CLASS_VISTA_X64]);
    EXPECT_EQ(value.substr(0, 255), settings.rePlugin);
}

TEST_F(Settings, RandomBytesAndHugeLinesStayWithinTheBuffers)
{
    // A fixed seed: the same bytes on every run.
    unsigned seed = 12345;
    std::string noise;
    for (int i = 0; i < 64 * 1024; ++i) {
        seed = seed * 1103515245u + 12345u;
        noise += (char)(seed >> 16);
    }
    Read(noise);
    const LauncherSettings &s = settings;
    for (int c = 0; c < CLASS_COUNT; ++c) {
        EXPECT_LT(strlen(s.setupPath[c]), (size_t)SETTING_TEXT_SIZE);
        EXPECT_LT(strlen(s.setupExe[c]), (size_t)SETTING_TEXT_SIZE);
    }
    EXPECT_STREQ("SetupDrv", s.setup);
    EXPECT_EQ(0, s.anotherAPNum);

    std::string huge(200000, 'z');
    Read("[Const]\r\n" + huge + "\r\nSetup=" + huge + "\r\nAnotherAPNum=1\r\nAnotherAPXPx86Exe0="
         + huge + "\r\n" + huge);
    EXPECT_EQ(std::string(255, 'z'), s.setup);
    EXPECT_EQ(1, s.anotherAPNum);
    EXPECT_EQ(std::string(255, 'z'), s.anotherAp[CLASS_XP_X86][0]);
    EXPECT_STREQ("XP_x86", s.setupPath[CLASS_XP_X86]);
}
