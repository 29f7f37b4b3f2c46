// Setup.exe and the tuner's configuration byte: rewritten for the Windows class, and the
// user asked to re-plug the device only when it changed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tollgate_e2e.h"
#include "tuner_control.h"
#include "tuner_device.h"

typedef std::vector<std::string> Lines;

static const char rePlugin[] = "Please Re-Plugin the USB device on your computer.";

class DeviceByte : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(TunerUnplugAll());
        ASSERT_TRUE(TunerPlug(1, TUNER_CATEGORY_RECEIVER, "USB Alder Device", 1));
        TunerSetFaults(1, 0);
        TunerResetCounters(1);
    }
    void TearDown() override
    {
        TunerUnplugAll();
        RestoreSystem();
    }
    // Runs the default medium with the given Setting.ini; the byte before is given.
    LauncherRun Run(const char *name, const char *version, bool x64, DWORD before,
                    const std::string &settings)
    {
        Medium medium(name);
        medium.AddLauncher();
        for (const char *folder : { "XP_x86", "XP_x64", "Vista_x86", "Vista_x64" })
            medium.AddStub(std::string(folder) + "\\SetupDrv.exe");
        medium.WriteSettings(settings);
        TunerSetRegister(1, 8, before);
        PoseAs("Setup.exe", version, x64);
        LauncherRun run = RunLauncher(medium);
        timeline = StubTimeline(medium.RecordPath(), medium.Folder());
        return run;
    }
    Lines timeline;
};

TEST_F(DeviceByte, VistaClassWritesItsByteWhenAllowed)
{
    LauncherRun run = Run("vista byte", "vista", true, 0xD0, "[Const]\r\nEnableAudioClass=1\r\n");
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0x50u, TunerGetRegister(1, 8));
    ASSERT_EQ(1u, run.messages.size());
    EXPECT_EQ(rePlugin, run.messages[0].text);
    EXPECT_EQ("SetupDrv", run.messages[0].caption);
    EXPECT_FALSE(run.messages[0].icon);
    // The driver setup ran first.
    EXPECT_EQ((Lines{ "start Vista_x64\\SetupDrv.exe", "end Vista_x64\\SetupDrv.exe" }), timeline);

    run = Run("vista byte again", "vista", true, 0x50, "[Const]\r\nEnableAudioClass=1\r\n");
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(0x50u, TunerGetRegister(1, 8));
}

TEST_F(DeviceByte, VistaClassLeavesTheDeviceAloneByDefault)
{
    LauncherRun run = Run("vista untouched", "vista", false, 0xD0, "");
    ASSERT_TRUE(run.ended);
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(0xD0u, TunerGetRegister(1, 8));
    EXPECT_EQ(0u, TunerGetCounter(1, "I2CReads") + TunerGetCounter(1, "I2CWrites"));
}

TEST_F(DeviceByte, XpClassAlwaysGetsItsByte)
{
    LauncherRun run = Run("xp byte", "winxp", false, 0x50, "[Const]\r\nEnableAudioClass=0\r\nRePlugin=Plug it again\r\n");
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0xD0u, TunerGetRegister(1, 8));
    EXPECT_EQ((Lines{ "Plug it again" }), run.Texts());
}

TEST_F(DeviceByte, NoSetupPathMessageIsFollowedByTheDeviceCheck)
{
    LauncherRun run = Run("xp64 no setup", "winxp64", true, 0x50, "[Const]\r\nSetupXPx64Path=\r\n");
    ASSERT_TRUE(run.ended);
    EXPECT_EQ((Lines{ "The driver of this version does not support this operating system.", rePlugin }),
              run.Texts());
    EXPECT_EQ(0xD0u, TunerGetRegister(1, 8));
    EXPECT_TRUE(timeline.empty());
}
