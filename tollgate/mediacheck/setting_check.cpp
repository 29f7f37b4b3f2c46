// Checks of Setting.ini beyond what the launcher itself reads.
#include "mediacheck/setting_check.h"

#include <windows.h>
#include <string.h>

#include "common/bounded_text.h"
#include "common/text_case.h"
#include "mediacheck/medium_report.h"
#include "mediacheck/nearest_key.h"
#include "medium/ini_number.h"
#include "medium/launcher_settings.h"

enum { LIST_SIZE = 65536, MINUTE_MS = 60000 };

static char listBuffer[LIST_SIZE];
// A value read in full, to tell how much of it Setup.exe cuts.
static char valueBuffer[LIST_SIZE];

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

// The index of a further-application key of any class, however large; -1 for other keys.
static int EntryIndexOf(const char *name)
{
    for (int c = 0; c < CLASS_COUNT; ++c) {
        const char *base = AnotherApKeyBase((LauncherClass)c);
        size_t length = strlen(base);
        char head[SETTING_KEY_SIZE];
        if (strlen(name) <= length || length >= sizeof head)
            continue;
        memcpy(head, name, length);
        head[length] = '\0';
        if (!SameIgnoringCase(head, base))
            continue;
        const char *digits = name + length;
        if (strspn(digits, "0123456789") != strlen(digits) || strlen(digits) > 6)
            return -1;
        return IniNumber(digits);
    }
    return -1;
}

// An entry the count leaves out: raising AnotherAPNum is what it takes, not another key.
static void ReportEntryNeverRead(const char *name, int index, int anotherAPNum, int count)
{
    char read[80];
    if (count == 0)
        FormatText(read, sizeof read, "so Setup.exe reads no further entries");
    else
        FormatText(read, sizeof read, "so Setup.exe reads entries 0 to %d only", count - 1);
    if (index < ANOTHER_AP_LIMIT)
        AddProblem(PROBLEM_WARNING, name, "never read: AnotherAPNum is %d, %s; raise it to %d to run this one",
                   anotherAPNum, read, index + 1);
    else
        AddProblem(PROBLEM_WARNING, name, "never read: Setup.exe reads at most %d entries per class, 0 to %d",
                   ANOTHER_AP_LIMIT, ANOTHER_AP_LIMIT - 1);
}

static int NamesFile(const char *key, int entry)
{
    if (entry >= 0)
        return 1;
    for (int c = 0; c < CLASS_COUNT; ++c)
        if (SameIgnoringCase(key, SetupPathKey((LauncherClass)c)) || SameIgnoringCase(key, SetupExeKey((LauncherClass)c)))
            return 1;
    return 0;
}

// The value in full: a cut, and names in the target machine's code page.
static void CheckWholeValue(const char *settingFile, const char *key, int entry)
{
    DWORD length = GetPrivateProfileStringA(settingSection, key, "", valueBuffer, LIST_SIZE, settingFile);
    if (length >= SETTING_TEXT_SIZE)
        AddProblem(PROBLEM_WARNING, key, "%lu characters long; Setup.exe reads only the first %d of them",
                   (unsigned long)length, SETTING_TEXT_SIZE - 1);
    if (!NamesFile(key, entry))
        return;
    for (DWORD i = 0; i < length; ++i)
        if ((unsigned char)valueBuffer[i] > 127) {
            AddProblem(PROBLEM_WARNING, key, "names a file with letters beyond ASCII, which Setup.exe reads in "
                       "the target machine's ANSI code page: where that differs, it names another file");
            return;
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

void CheckSettingKeys(const char *settingFile, const LauncherSettings &settings)
{
    DWORD length = GetPrivateProfileStringA(settingSection, NULL, "", listBuffer, LIST_SIZE, settingFile);
    const char *names = listBuffer;
    int count = AnotherApCount(settings);
    for (const char *name = names; name < names + length && *name; name += strlen(name) + 1) {
        KeyMatch m;
        ZeroMemory(&m, sizeof m);
        m.written = name;
        m.nearestDistance = (size_t)-1;
        WalkSettingKeys(NULL, MatchKey, &m);
        int index = m.matched ? m.entry : EntryIndexOf(name);
        if (index >= count)
            ReportEntryNeverRead(name, index, settings.anotherAPNum, count);
        else if (!m.matched)
            AddProblem(PROBLEM_WARNING, name, "Setup.exe reads no such key; did you mean %s?", m.nearest);
        else if (m.kind == SETTING_NUMBER)
            CheckNumber(settingFile, m.matchName);
        else
            CheckWholeValue(settingFile, m.matchName, m.entry);
    }
}

void CheckInstallerTiming(int waitTimer, int watched)
{
    if (!watched)
        return;
    if (waitTimer == 0)
        AddProblem(PROBLEM_WARNING, "WaitTimer", "0: the installer is looked at as often as the system's timer "
                   "allows, about every 10 ms");
    else if (waitTimer > MINUTE_MS)
        AddProblem(PROBLEM_WARNING, "WaitTimer", "%d ms: each question of the installer waits visible that "
                   "long before Setup.exe clicks it", waitTimer);
}

static void CheckEntries(const LauncherSettings &settings, LauncherClass osClass, int count)
{
    int lastNamed = -1;
    for (int i = 0; i < count; ++i)
        if (settings.anotherAp[osClass][i][0] != '\0')
            lastNamed = i;
    for (int i = 0; i < count; ++i) {
        const char *entry = settings.anotherAp[osClass][i];
        char key[SETTING_KEY_SIZE];
        FormatText(key, sizeof key, "%s%d", AnotherApKeyBase(osClass), i);
        if (entry[0] == '\0' && i < lastNamed)
            AddProblem(PROBLEM_WARNING, key, "empty, while a later entry of the list is named; "
                       "Setup.exe skips it");
    }
}

void CheckSettingValues(const LauncherSettings &s)
{
    if (s.anotherAPNum > ANOTHER_AP_LIMIT)
        AddProblem(PROBLEM_WARNING, "AnotherAPNum", "%d is above %d; Setup.exe reads entries 0 to %d only",
                   s.anotherAPNum, ANOTHER_AP_LIMIT, ANOTHER_AP_LIMIT - 1);
    else if (s.anotherAPNum < 0)
        AddProblem(PROBLEM_WARNING, "AnotherAPNum", "%d is negative; Setup.exe reads no entry",
                   s.anotherAPNum);
    if (s.waitTimer < 0)
        AddProblem(PROBLEM_WARNING, "WaitTimer", "%d is negative; Setup.exe ticks as soon as the "
                   "system allows (0 ms)", s.waitTimer);
    int count = AnotherApCount(s);
    int named = 0;
    for (int c = 0; c < CLASS_COUNT; ++c) {
        CheckEntries(s, (LauncherClass)c, count);
        for (int i = 0; i < count; ++i)
            named |= s.anotherAp[c][i][0] != '\0';
    }
    if (named && s.checkFinishInstall == 0)
        AddProblem(PROBLEM_WARNING, "CheckFinishInstall", "0, so Setup.exe runs none of the further "
                   "programs named; 1 runs them once the driver setup reports FinishInstall = 1");
}
