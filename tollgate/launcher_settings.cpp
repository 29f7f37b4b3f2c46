// Reading Setting.ini, section Const, key by key in the file's documented order.
#include "launcher_settings.h"

#include <windows.h>

#include "bounded_text.h"
#include "ini_number.h"
#include "launcher_message.h"
#include "launcher_paths.h"
#include "module_folder.h"

LauncherSettings launcherSettings;

static const char settingSection[32] = "Const";

// Key names per class, in the order in which the file lists the classes.
static const struct {
    const char *pathKey;
    const char *pathDefault;
    const char *exeKey;
    const char *anotherApBase;
} classKeys[CLASS_COUNT] = {
    { "SetupVistax64Path", "Vista_x64", "SetupVistax64Exe", "AnotherAPVistax64Exe" },
    { "SetupVistax86Path", "Vista_x86", "SetupVistax86Exe", "AnotherAPVistax86Exe" },
    { "SetupXPx64Path",    "XP_x64",    "SetupXPx64Exe",    "AnotherAPXPx64Exe" },
    { "SetupXPx86Path",    "XP_x86",    "SetupXPx86Exe",    "AnotherAPXPx86Exe" },
};

static const char defaultSetupExe[] = "SetupDrv.exe";
static const char defaultSetup[] = "SetupDrv";
static const char defaultNoSetupPath[] =
    "The driver of this version does not support this operating system.";
static const char defaultRePlugin[] = "Please Re-Plugin the USB device on your computer.";
static const char defaultLaunchAnotherAPParam[] = "0";

static void ReadText(const char *file, const char *key, const char *fallback, char *value)
{
    GetPrivateProfileStringA(settingSection, key, fallback, value, SETTING_TEXT_SIZE, file);
}

static int ReadNumber(const char *file, const char *key)
{
    char text[SETTING_TEXT_SIZE];
    ReadText(file, key, "0", text);
    return IniNumber(text);
}

void UseDefaultSettings(void)
{
    ZeroMemory(&launcherSettings, sizeof launcherSettings);
    for (int c = 0; c < CLASS_COUNT; ++c) {
        CopyText(launcherSettings.setupPath[c], SETTING_TEXT_SIZE, classKeys[c].pathDefault);
        CopyText(launcherSettings.setupExe[c], SETTING_TEXT_SIZE, defaultSetupExe);
    }
    CopyText(launcherSettings.setup, SETTING_TEXT_SIZE, defaultSetup);
    CopyText(launcherSettings.noSetupPath, SETTING_TEXT_SIZE, defaultNoSetupPath);
    CopyText(launcherSettings.rePlugin, SETTING_TEXT_SIZE, defaultRePlugin);
    CopyText(launcherSettings.launchAnotherAPParam, SETTING_TEXT_SIZE, defaultLaunchAnotherAPParam);
}

int AnotherApCount(void)
{
    int count = launcherSettings.anotherAPNum;
    if (count < 0)
        return 0;
    return count > ANOTHER_AP_LIMIT ? ANOTHER_AP_LIMIT : count;
}

int ReadSettingsFrom(const char *file)
{
    LauncherSettings &s = launcherSettings;
    UseDefaultSettings();
    for (int c = 0; c < CLASS_COUNT; ++c) {
        ReadText(file, classKeys[c].pathKey, classKeys[c].pathDefault, s.setupPath[c]);
        ReadText(file, classKeys[c].exeKey, defaultSetupExe, s.setupExe[c]);
    }
    s.enableAudioClass = ReadNumber(file, "EnableAudioClass");
    s.enableTimer = ReadNumber(file, "EnableTimer");
    s.waitTimer = ReadNumber(file, "WaitTimer");
    s.checkFinishInstall = ReadNumber(file, "CheckFinishInstall");
    s.anotherAPNum = ReadNumber(file, "AnotherAPNum");

    int count = AnotherApCount();
    for (int i = 0; i < count; ++i)
        for (int c = 0; c < CLASS_COUNT; ++c) {
            char key[64];
            if (FormatText(key, sizeof key, "%s%d", classKeys[c].anotherApBase, i))
                ReadText(file, key, "", s.anotherAp[c][i]);
        }

    ReadText(file, "Setup", defaultSetup, s.setup);
    ReadText(file, "NoSetupPath", defaultNoSetupPath, s.noSetupPath);
    ReadText(file, "RePlugin", defaultRePlugin, s.rePlugin);
    ReadText(file, "LaunchAnotherAPParam", defaultLaunchAnotherAPParam, s.launchAnotherAPParam);
    return 1;
}

int ReadSettings(const char *folder)
{
    char file[SETTING_FILE_PATH_SIZE];
    if (!SettingFilePath(folder, file, sizeof file)) {
        UseDefaultSettings();
        ShowAboutText("The path of Setting.ini is too long, so it was not read:", file);
        return 0;
    }
    return ReadSettingsFrom(file);
}
