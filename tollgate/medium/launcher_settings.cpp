// Reading Setting.ini, section Const, key by key in the file's documented order.
#include "medium/launcher_settings.h"

#include <windows.h>

#include "common/bounded_text.h"
#include "medium/ini_number.h"

const char settingSection[32] = "Const";

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

const char *SetupPathKey(LauncherClass osClass)
{
    return classKeys[osClass].pathKey;
}

const char *SetupExeKey(LauncherClass osClass)
{
    return classKeys[osClass].exeKey;
}

const char *AnotherApKeyBase(LauncherClass osClass)
{
    return classKeys[osClass].anotherApBase;
}

static void ReadText(const char *file, const char *key, const char *fallback, char *value)
{
    GetPrivateProfileStringA(settingSection, key, fallback, value, SETTING_TEXT_SIZE, file);
}

static int ReadIniNumber(const char *file, const char *key)
{
    char text[SETTING_TEXT_SIZE];
    ReadText(file, key, "0", text);
    return IniNumber(text);
}

void UseDefaultSettings(LauncherSettings *settings)
{
    LauncherSettings &s = *settings;
    ZeroMemory(&s, sizeof s);
    for (int c = 0; c < CLASS_COUNT; ++c) {
        CopyText(s.setupPath[c], SETTING_TEXT_SIZE, classKeys[c].pathDefault);
        CopyText(s.setupExe[c], SETTING_TEXT_SIZE, defaultSetupExe);
    }
    CopyText(s.setup, SETTING_TEXT_SIZE, defaultSetup);
    CopyText(s.noSetupPath, SETTING_TEXT_SIZE, defaultNoSetupPath);
    CopyText(s.rePlugin, SETTING_TEXT_SIZE, defaultRePlugin);
    CopyText(s.launchAnotherAPParam, SETTING_TEXT_SIZE, defaultLaunchAnotherAPParam);
}

int AnotherApCount(const LauncherSettings &settings)
{
    int count = settings.anotherAPNum;
    if (count < 0)
        return 0;
    return count > ANOTHER_AP_LIMIT ? ANOTHER_AP_LIMIT : count;
}

static void Visit(SettingKeyVisitor visit, void *context, const char *name, SettingKind kind,
                  const char *fallback, char *text, int *number, int entry)
{
    SettingKey key = { name, kind, fallback, text, number, entry };
    visit(&key, context);
}

static void VisitText(SettingKeyVisitor visit, void *context, const char *name,
                      const char *fallback, char *text)
{
    Visit(visit, context, name, SETTING_TEXT, fallback, text, NULL, -1);
}

static void VisitNumber(SettingKeyVisitor visit, void *context, const char *name, int *number)
{
    Visit(visit, context, name, SETTING_NUMBER, "0", NULL, number, -1);
}

void WalkSettingKeys(LauncherSettings *settings, SettingKeyVisitor visit, void *context)
{
    static LauncherSettings namesOnly;
    LauncherSettings &s = settings ? *settings : namesOnly;
    for (int c = 0; c < CLASS_COUNT; ++c) {
        VisitText(visit, context, classKeys[c].pathKey, classKeys[c].pathDefault, s.setupPath[c]);
        VisitText(visit, context, classKeys[c].exeKey, defaultSetupExe, s.setupExe[c]);
    }
    VisitNumber(visit, context, "EnableAudioClass", &s.enableAudioClass);
    VisitNumber(visit, context, "EnableTimer", &s.enableTimer);
    VisitNumber(visit, context, "WaitTimer", &s.waitTimer);
    VisitNumber(visit, context, "CheckFinishInstall", &s.checkFinishInstall);
    VisitNumber(visit, context, "AnotherAPNum", &s.anotherAPNum);

    int count = settings ? AnotherApCount(s) : ANOTHER_AP_LIMIT;
    for (int i = 0; i < count; ++i)
        for (int c = 0; c < CLASS_COUNT; ++c) {
            char key[64];
            if (FormatText(key, sizeof key, "%s%d", classKeys[c].anotherApBase, i))
                Visit(visit, context, key, SETTING_TEXT, "", s.anotherAp[c][i], NULL, i);
        }

    VisitText(visit, context, "Setup", defaultSetup, s.setup);
    VisitText(visit, context, "NoSetupPath", defaultNoSetupPath, s.noSetupPath);
    VisitText(visit, context, "RePlugin", defaultRePlugin, s.rePlugin);
    VisitText(visit, context, "LaunchAnotherAPParam", defaultLaunchAnotherAPParam, s.launchAnotherAPParam);
}

static void ReadKey(const SettingKey *key, void *context)
{
    const char *file = (const char *)context;
    if (key->kind == SETTING_NUMBER)
        *key->number = ReadIniNumber(file, key->name);
    else
        ReadText(file, key->name, key->fallback, key->text);
}

int ReadSettingsFrom(const char *file, LauncherSettings *settings)
{
    UseDefaultSettings(settings);
    WalkSettingKeys(settings, ReadKey, (void *)file);
    return 1;
}

int ReadSettings(const char *folder, LauncherSettings *settings, char settingFile[SETTING_FILE_PATH_SIZE])
{
    if (!SettingFilePath(folder, settingFile, SETTING_FILE_PATH_SIZE)) {
        UseDefaultSettings(settings);
        return 0;
    }
    return ReadSettingsFrom(settingFile, settings);
}
