// Resource balance of the launcher's repeated steps: reading Setting.ini, planning a medium
// and the device check leave no handle, GDI or USER object or private memory behind, and the
// virtual tuner no device object.
#include <gtest/gtest.h>
#include <dshow.h>

#include "device/audio_class.h"
#include "mediacheck/medium_check.h"
#include "medium/launcher_settings.h"
#include "resource_balance.h"
#include "tollgate_support.h"
#include "tuner_control.h"
#include "tuner_device.h"

TEST(Balance, SettingIniReadAndMediumCheck)
{
    Medium medium("balance medium");
    medium.AddStub("XP_x86\\SetupDrv.exe");
    medium.WriteSettings("[Const]\r\nCheckFinishInstall=1\r\nAnotherAPNum=2\r\n"
                         "AnotherAPXPx86Exe0=tools\\a.exe\r\nAnotherAPXPx86Exe1=fix.msu\r\nWaitTimer=-3\r\n");
    std::string file = medium.Path("Setting.ini");
    LauncherSettings settings;
    EXPECT_EQ("", ResourceGrowth(10, 300, [&] { ReadSettingsFrom(file.c_str(), &settings); }));
    EXPECT_STREQ("fix.msu", settings.anotherAp[CLASS_XP_X86][1]);
    char reason[256];
    EXPECT_EQ("", ResourceGrowth(5, 100, [&] { CheckMedium(medium.Folder().c_str(), reason, sizeof reason); }));
}

// The device check's system calls without the launcher.
static void BareDeviceLookup()
{
    BareDeviceEnumeration(CLSID_VideoInputDeviceCategory);
}

TEST(Balance, DeviceCheckFindingAndRewritingTheByte)
{
    // This thread keeps COM, so the tuner's server stays loaded and can be asked.
    CoInitialize(NULL);
    ASSERT_TRUE(TunerUnplugAll());
    ASSERT_TRUE(TunerPlug(1, TUNER_CATEGORY_VIDEO, "USB Alder Device", 1));
    ASSERT_TRUE(TunerSetRegister(1, 8, 0x50));
    TunerResetCounters(1);
    int rewrites = 0;
    int vista = 0;
    EXPECT_EQ("", ResourceGrowth(4, 60, [&] {
        // Each call flips the byte to the other class's value.
        rewrites += SwitchAudioClass(vista);
        vista = !vista;
    }, BareDeviceLookup));
    EXPECT_EQ(64, rewrites);
    EXPECT_EQ(64u, TunerGetCounter(1, "I2CWrites"));
    HMODULE server = GetModuleHandleA("vtuner.dll");
    typedef HRESULT(WINAPI * CanUnload)(void);
    CanUnload canUnload = server ? (CanUnload)(void (*)(void))GetProcAddress(server, "DllCanUnloadNow") : NULL;
    ASSERT_TRUE(canUnload != NULL);
    EXPECT_EQ(S_OK, canUnload()) << "a device object was not released";
    CoUninitialize();
    TunerUnplugAll();
}
