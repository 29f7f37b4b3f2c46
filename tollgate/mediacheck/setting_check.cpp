// Checks of Setting.ini beyond what the launcher itself reads.
#include "mediacheck/setting_check.h"

#include <windows.h>
#include <string.h>

#include "common/bounded_text.h"
#include "ini_number.h"
#include "launcher_settings.h"
#include "mediacheck/medium_report.h"
#include "mediacheck/nearest_key.h"
#include "msu_file.h"
#include "text_case.h"

enum { LIST_SIZE = 65536 };

static char listBuffer[LIST_SIZE];

int HasConstSection(const char *settingFile)
{
    DWORD length = GetPrivateProfileSectionNamesA(listBuffer, LIST_SIZE, settingFile);
    for (const char *name = listBuffer; name < listBuffer + length && *name; name += strlen(name) + 1)
        if (SameIgnoringCase(name, settingSection))
            return 1;
    return 0;
}

// The launcher's key that a key of the file names, or the nearest one to it.
struct KeyMatch {
    const char *written;
    char matchName[SETTING_KEY_SIZE];
    int matched;
    int entry;
    SettingKind kind;
    char nearest[SETTING_KEY_SIZE];
    size_t nearestDistance;
};

static void MatchKey(const SettingKey *key, void *context)
{
    KeyMatch *m = (KeyMatch *)context;
    if (m->matched)
        return;
    if (SameIgnoringCase(m->written, key->name)) {
        m->matched = 1;
        m->entry = key->entry;
        m->kind = key->kind;
        CopyText(m->matchName, sizeof m->matchName, key->name);
        return;
    }
    size_t distance = KeyDistance(m->written, key->name);
    if (distance < m->nearestDistance) {
        m->nearestDistance = distance;
        CopyText(m->nearest, sizeof m->nearest, key->name);
    }
}

static void CheckNumber(const char *settingFile, const char *key)
{
    char text[SETTING_TEXT_SIZE];
    GetPrivateProfileStringA(settingSection, key, "", text, sizeof text, settingFile);
    if (!IniNumberIsWhole(text))
        AddProblem(PROBLEM_WARNING, key, "\"%s\" is not a number; Setup.exe reads it as %d", text,
                   IniNumber(text));
}

void CheckSettingKeys(const char *settingFile)
{
    DWORD length = GetPrivateProfileStringA(settingSection, NULL, "", listBuffer, LIST_SIZE, settingFile);
    const char *names = listBuffer;
    int count = AnotherApCount();
    for (const char *name = names; name < names + length && *name; name += strlen(name) + 1) {
        KeyMatch m;
        ZeroMemory(&m, sizeof m);
        m.written = name;
        m.nearestDistance = (size_t)-1;
        WalkSettingKeys(1, MatchKey, &m);
        if (!m.matched)
            AddProblem(PROBLEM_WARNING, name, "Setup.exe reads no such key; did you mean %s?", m.nearest);
        else if (m.entry >= count)
            AddProblem(PROBLEM_WARNING, name, "never read: AnotherAPNum is %d, so Setup.exe reads "
                       "entries 0 to %d only", launcherSettings.anotherAPNum, count - 1);
        else if (m.kind == SETTING_NUMBER)
            CheckNumber(settingFile, m.matchName);
    }
}

// The extension, when it is ".msu" in any letter case.
static int LooksLikePackage(const char *entry)
{
    const char *dot = strrchr(entry, '.');
    return dot && SameIgnoringCase(dot, ".msu");
}

static void CheckEntries(LauncherClass osClass, int count)
{
    int lastNamed = -1;
    for (int i = 0; i < count; ++i)
        if (launcherSettings.anotherAp[osClass][i][0] != '\0')
            lastNamed = i;
    for (int i = 0; i < count; ++i) {
        const char *entry = launcherSettings.anotherAp[osClass][i];
        char key[SETTING_KEY_SIZE];
        FormatText(key, sizeof key, "%s%d", AnotherApKeyBase(osClass), i);
        if (entry[0] == '\0' && i < lastNamed)
            AddProblem(PROBLEM_WARNING, key, "empty, while a later entry of the list is named; "
                       "Setup.exe skips it");
        if (LooksLikePackage(entry) && !IsMsuFile(entry))
            AddProblem(PROBLEM_WARNING, key, "%s is started as a program and waited for, not handed "
                       "to the shell: only \".msu\" in small letters makes a package", entry);
    }
}

void CheckSettingValues(void)
{
    const LauncherSettings &s = launcherSettings;
    if (s.anotherAPNum > ANOTHER_AP_LIMIT)
        AddProblem(PROBLEM_WARNING, "AnotherAPNum", "%d is above %d; Setup.exe reads entries 0 to %d only",
                   s.anotherAPNum, ANOTHER_AP_LIMIT, ANOTHER_AP_LIMIT - 1);
    else if (s.anotherAPNum < 0)
        AddProblem(PROBLEM_WARNING, "AnotherAPNum", "%d is negative; Setup.exe reads no entry",
                   s.anotherAPNum);
    if (s.waitTimer < 0)
        AddProblem(PROBLEM_WARNING, "WaitTimer", "%d is negative; Setup.exe ticks as soon as the "
                   "system allows (0 ms)", s.waitTimer);
    int count = AnotherApCount();
    int named = 0;
    for (int c = 0; c < CLASS_COUNT; ++c) {
        CheckEntries((LauncherClass)c, count);
        for (int i = 0; i < count; ++i)
            named |= s.anotherAp[c][i][0] != '\0';
    }
    if (named && s.checkFinishInstall == 0)
        AddProblem(PROBLEM_WARNING, "CheckFinishInstall", "0, so Setup.exe runs none of the further "
                   "programs named; 1 runs them once the driver setup reports FinishInstall = 1");
}
