// The device configuration byte through the virtual tuner's filters, found by Wine's
// system device enumerator and driven through their property interface.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/audio_class.h"
#include "device/device_access.h"
#include "device/i2c.h"
#include "tollgate_support.h"
#include "tuner_control.h"
#include "tuner_device.h"

static const char halyardKey[] = "Software\\Halyard\\BDA";

class Device : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(TunerUnplugAll());
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, halyardKey);
        for (int slot = 0; slot < TUNER_SLOT_COUNT; ++slot) {
            TunerSetFaults(slot, 0);
            TunerResetCounters(slot);
        }
    }
    void TearDown() override
    {
        TunerUnplugAll();
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, halyardKey);
    }
    // A device in the video-input (or receiver) category holding the given byte.
    static void Plug(int slot, const char *name, DWORD byte, bool receiver = false, bool property = true)
    {
        ASSERT_TRUE(TunerPlug(slot, receiver ? TUNER_CATEGORY_RECEIVER : TUNER_CATEGORY_VIDEO, name,
                              property ? 1 : 0));
        ASSERT_TRUE(TunerSetRegister(slot, 8, byte));
    }
    // SwitchAudioClass with the message boxes it shows.
    int Switch(int isVista, std::vector<SeenMessage> *seen = NULL)
    {
        MessageBoxWatcher watcher;
        int result = SwitchAudioClass(isVista);
        watcher.Stop();
        if (seen)
            *seen = watcher.Seen();
        else
            EXPECT_TRUE(watcher.Seen().empty());
        return result;
    }
};

TEST_F(Device, NoTunerMeansNoMessageAndNoChange)
{
    EXPECT_EQ(0, Switch(1));
    EXPECT_EQ(0, Switch(0));
    EXPECT_TRUE(OpenedDevice() == NULL);
}

TEST_F(Device, ByteFollowsTheWindowsClass)
{
    static const struct { int vista; DWORD before; int result; DWORD after; } cases[] = {
        { 1, 0xD0, 1, 0x50 },
        { 1, 0x50, 0, 0x50 },
        { 0, 0x50, 1, 0xD0 },
        { 0, 0xD0, 0, 0xD0 },
        { 1, 0x00, 0, 0x00 },
        { 0, 0x00, 0, 0x00 },
        { 1, 0xFF, 0, 0xFF },
        { 0, 0xFF, 0, 0xFF },
    };
    Plug(1, "USB Alder Device", 0);
    for (const auto &c : cases) {
        TunerSetRegister(1, 8, c.before);
        TunerResetCounters(1);
        EXPECT_EQ(c.result, Switch(c.vista)) << "vista " << c.vista << " byte " << c.before;
        EXPECT_EQ(c.after, TunerGetRegister(1, 8)) << "vista " << c.vista << " byte " << c.before;
        EXPECT_EQ(1u, TunerGetCounter(1, "I2CReads"));
        EXPECT_EQ(1u, TunerGetCounter(1, "StatusReads"));
        EXPECT_EQ((DWORD)c.result, TunerGetCounter(1, "I2CWrites"));
        EXPECT_TRUE(OpenedDevice() == NULL);
    }
}

TEST_F(Device, ComIsReleasedOnEveryWayOut)
{
    Switch(1);   // nothing found
    EXPECT_EQ(S_OK, CoInitialize(NULL));
    CoUninitialize();
    Plug(1, "USB Alder Device", 0xD0, false, false);
    Switch(1);   // found without the property interface
    EXPECT_EQ(S_OK, CoInitialize(NULL));
    CoUninitialize();
    Plug(2, "USB Alder Device", 0xD0);
    TunerUnplug(1);
    EXPECT_EQ(1, Switch(1));
    EXPECT_EQ(S_OK, CoInitialize(NULL));
    CoUninitialize();
}

TEST_F(Device, WithoutThePropertyInterfaceNothingHappens)
{
    Plug(1, "USB Alder Device", 0xD0, false, false);
    EXPECT_EQ(0, Switch(1));
    EXPECT_EQ(0xD0u, TunerGetRegister(1, 8));
}

TEST_F(Device, DSNameIsAPrefixSearchedInVideoInputFirst)
{
    SetRegistryString(HKEY_LOCAL_MACHINE, halyardKey, "DSName", "USB Oak Device");
    Plug(1, "USB Alder Device", 0xD0);
    Plug(2, "USB Oak Device #2 (receiver)", 0xD0, true);
    EXPECT_EQ(1, Switch(1));
    EXPECT_EQ(0x50u, TunerGetRegister(2, 8));
    EXPECT_EQ(0xD0u, TunerGetRegister(1, 8));

    Plug(3, "USB Oak Device (video)", 0xD0);
    TunerSetRegister(2, 8, 0xD0);
    EXPECT_EQ(1, Switch(1));
    EXPECT_EQ(0x50u, TunerGetRegister(3, 8));
    EXPECT_EQ(0xD0u, TunerGetRegister(2, 8));

    // The prefix match is exact in letter case.
    SetRegistryString(HKEY_LOCAL_MACHINE, halyardKey, "DSName", "usb oak device");
    Plug(4, "usb oak device (lower case)", 0xD0, true);
    TunerSetRegister(3, 8, 0xD0);
    EXPECT_EQ(1, Switch(1));
    EXPECT_EQ(0x50u, TunerGetRegister(4, 8));
    EXPECT_EQ(0xD0u, TunerGetRegister(3, 8));
}

TEST_F(Device, RealDSNameComesBeforeDSName)
{
    SetRegistryString(HKEY_LOCAL_MACHINE, halyardKey, "DSName", "USB Oak Device");
    SetRegistryString(HKEY_LOCAL_MACHINE, halyardKey, "RealDSName", "USB Elm Device");
    Plug(1, "USB Oak Device", 0xD0);
    Plug(2, "USB Elm Device", 0xD0, true);
    EXPECT_EQ(1, Switch(1));
    EXPECT_EQ(0x50u, TunerGetRegister(2, 8));
    EXPECT_EQ(0xD0u, TunerGetRegister(1, 8));
}

TEST_F(Device, EmptyRealDSNameTakesTheFirstVideoDeviceAndNoTable)
{
    SetRegistryString(HKEY_LOCAL_MACHINE, halyardKey, "RealDSName", "");
    SetRegistryString(HKEY_LOCAL_MACHINE, halyardKey, "DSName", "USB Alder Device");
    Plug(1, "Webcam", 0xD0, false, false);
    Plug(2, "USB Alder Device", 0xD0);
    Plug(3, "USB Yew Device", 0xD0, true);
    EXPECT_EQ(0, Switch(1));
    EXPECT_EQ(0xD0u, TunerGetRegister(2, 8));
    EXPECT_EQ(0xD0u, TunerGetRegister(3, 8));
    EXPECT_EQ(0u, TunerGetCounter(2, "I2CReads"));

    // With the interface, that first device is the one changed, whatever its name.
    Plug(1, "Webcam", 0xD0, false, true);
    EXPECT_EQ(1, Switch(1));
    EXPECT_EQ(0x50u, TunerGetRegister(1, 8));
    EXPECT_EQ(0xD0u, TunerGetRegister(2, 8));
}

TEST_F(Device, BuiltInNamesAreTriedInTableOrderAcrossBothCategories)
{
    Plug(1, "USB Birch Device", 0xD0);
    Plug(2, "USB Willow Device", 0xD0, true);
    Plug(3, "USB Spruce Device", 0xD0);
    EXPECT_EQ(1, Switch(1));
    EXPECT_EQ(0x50u, TunerGetRegister(2, 8));
    EXPECT_EQ(0xD0u, TunerGetRegister(1, 8));
    EXPECT_EQ(0xD0u, TunerGetRegister(3, 8));

    // The name for a registry that names none is searched before the table.
    Plug(4, "USB Alder Device", 0xD0, true);
    TunerSetRegister(2, 8, 0xD0);
    EXPECT_EQ(1, Switch(1));
    EXPECT_EQ(0x50u, TunerGetRegister(4, 8));
    EXPECT_EQ(0xD0u, TunerGetRegister(2, 8));

    // A registry name that matches nothing falls back to the table.
    SetRegistryString(HKEY_LOCAL_MACHINE, halyardKey, "DSName", "USB Nothing Device");
    TunerUnplug(4);
    EXPECT_EQ(1, Switch(1));
    EXPECT_EQ(0x50u, TunerGetRegister(2, 8));
}

TEST_F(Device, NotReadyWarnsAndTheReadStillDecides)
{
    Plug(1, "USB Alder Device", 0xD0);
    TunerSetFaults(1, TUNER_FAULT_NOT_READY);
    std::vector<SeenMessage> seen;
    EXPECT_EQ(1, Switch(1, &seen));
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("I2C device was powered down or not ready", seen[0].text);
    EXPECT_EQ("Marlin Custom Property Demo", seen[0].caption);
    EXPECT_TRUE(seen[0].icon);
    EXPECT_FALSE(seen[0].owned);
    EXPECT_EQ(0x50u, TunerGetRegister(1, 8));
    EXPECT_EQ(0u, TunerGetCounter(1, "StatusReads"));

    TunerSetRegister(1, 8, 0x50);
    EXPECT_EQ(0, Switch(1, &seen));
    EXPECT_EQ(1u, seen.size());
}

// A readiness or status read that fails, or a status that answers a positive non-zero
// result, is "not detected"; the status is asked for only after a readable ready flag.
TEST_F(Device, FailedReadinessOrStatusWarnsNotDetectedAndTheReadStillDecides)
{
    static const struct { DWORD fault; const char *name; DWORD statusReads; } cases[] = {
        { TUNER_FAULT_READY_CALL, "readiness read fails", 0 },
        { TUNER_FAULT_STATUS, "status read fails", 1 },
        { TUNER_FAULT_STATUS_POSITIVE, "status answers S_FALSE", 1 },
    };
    Plug(1, "USB Alder Device", 0);
    for (const auto &c : cases) {
        TunerSetRegister(1, 8, 0x50);
        TunerSetFaults(1, c.fault);
        TunerResetCounters(1);
        std::vector<SeenMessage> seen;
        EXPECT_EQ(1, Switch(0, &seen)) << c.name;
        ASSERT_EQ(1u, seen.size()) << c.name;
        EXPECT_EQ("I2C device not detected", seen[0].text) << c.name;
        EXPECT_EQ("Marlin Custom Property Demo", seen[0].caption);
        EXPECT_TRUE(seen[0].icon);
        EXPECT_EQ(c.statusReads, TunerGetCounter(1, "StatusReads")) << c.name;
        EXPECT_EQ(0xD0u, TunerGetRegister(1, 8)) << c.name;
    }
}

// S_FALSE from a data transfer is a failure for the byte, but not one to cancel.
TEST_F(Device, PositiveTransferResultsFailWithoutACancel)
{
    // A read that answers 0 first, so that a kept byte tells from the one the device holds.
    Plug(1, "USB Alder Device", 0x50);
    EXPECT_EQ(0, Switch(1));
    ASSERT_EQ(0x50u, LastI2CByte());
    TunerSetRegister(1, 8, 0xD0);
    TunerResetCounters(1);
    TunerSetFaults(1, TUNER_FAULT_READ_POSITIVE);
    EXPECT_EQ(0, Switch(1));
    EXPECT_EQ(0xD0u, TunerGetRegister(1, 8));
    EXPECT_EQ(1u, TunerGetCounter(1, "I2CReads"));
    EXPECT_EQ(0u, TunerGetCounter(1, "I2CWrites"));
    EXPECT_EQ(0u, TunerGetCounter(1, "I2CCancels"));
    EXPECT_EQ(0x50u, LastI2CByte()) << "only a read that answered 0 is kept";

    TunerSetFaults(1, TUNER_FAULT_WRITE_POSITIVE);
    TunerResetCounters(1);
    EXPECT_EQ(0, Switch(1)) << "no re-plug request for a write that did not answer 0";
    EXPECT_EQ(0x50u, TunerGetRegister(1, 8));
    EXPECT_EQ(1u, TunerGetCounter(1, "I2CWrites"));
    EXPECT_EQ(0u, TunerGetCounter(1, "I2CCancels"));
    EXPECT_EQ(0xD0u, LastI2CByte());
}

TEST_F(Device, FailedAddressSelectWarnsNotDetected)
{
    Plug(1, "USB Alder Device", 0x50);
    TunerSetFaults(1, TUNER_FAULT_SELECT);
    std::vector<SeenMessage> seen;
    EXPECT_EQ(1, Switch(0, &seen));
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("I2C device not detected", seen[0].text);
    EXPECT_EQ("Marlin Custom Property Demo", seen[0].caption);
    EXPECT_EQ(0xD0u, TunerGetRegister(1, 8));
}

TEST_F(Device, FailedReadOrWriteIsCancelledAndChangesNothing)
{
    Plug(1, "USB Alder Device", 0xD0);
    TunerSetFaults(1, TUNER_FAULT_READ);
    EXPECT_EQ(0, Switch(1));
    EXPECT_EQ(1u, TunerGetCounter(1, "I2CCancels"));
    EXPECT_EQ(0u, TunerGetCounter(1, "I2CWrites"));

    TunerResetCounters(1);
    TunerSetFaults(1, TUNER_FAULT_WRITE);
    EXPECT_EQ(0, Switch(1));
    EXPECT_EQ(0xD0u, TunerGetRegister(1, 8));
    EXPECT_EQ(1u, TunerGetCounter(1, "I2CReads"));
    EXPECT_EQ(1u, TunerGetCounter(1, "I2CCancels"));

    TunerSetFaults(1, 0);
    EXPECT_EQ(1, Switch(1));
    EXPECT_EQ(0x50u, TunerGetRegister(1, 8));
    EXPECT_EQ(0xD0u, LastI2CByte());
}

TEST_F(Device, PropertyCallsWithoutAnOpenDeviceAnswerSix)
{
    DWORD value = 0;
    EXPECT_EQ(6, DeviceSet(0x1007, &value));
    EXPECT_EQ(6, DeviceGet(0x1008, &value));
    EXPECT_EQ(6, ReadI2C(0xA0, 8, 1, &value));
    CloseDevice();
    EXPECT_TRUE(OpenedDevice() == NULL);
}

TEST_F(Device, OpenKeepsTheOpenTimeValues)
{
    Plug(1, "USB Alder Device", 0xD0);
    ASSERT_EQ(1, OpenDevice());
    ASSERT_TRUE(OpenedDevice() != NULL);
    EXPECT_EQ(0x00010000u, OpenedDevice()->firstOpenValue);
    EXPECT_EQ(0x000000C0u, OpenedDevice()->secondOpenValue);
    CloseDevice();
    EXPECT_TRUE(OpenedDevice() == NULL);
}
