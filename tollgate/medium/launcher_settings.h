// LauncherSettings: the values of Setting.ini, read once at start-up into the caller's
// record.
#ifndef TOLLGATE_MEDIUM_LAUNCHER_SETTINGS_H
#define TOLLGATE_MEDIUM_LAUNCHER_SETTINGS_H

#include "medium/launcher_paths.h"

// The four classes of Windows a medium provides for, in the order Setting.ini lists their
// keys.
enum LauncherClass {
    CLASS_VISTA_X64,
    CLASS_VISTA_X86,
    CLASS_XP_X64,
    CLASS_XP_X86,
    CLASS_COUNT
};

enum {
    SETTING_TEXT_SIZE = 256,     // at most 255 characters of a value count
    ANOTHER_AP_LIMIT = 5         // further-application entries per class
};

struct LauncherSettings {
    char setupPath[CLASS_COUNT][SETTING_TEXT_SIZE];
    char setupExe[CLASS_COUNT][SETTING_TEXT_SIZE];
    int enableAudioClass;
    int enableTimer;
    int waitTimer;
    int checkFinishInstall;
    int anotherAPNum;            // as written in the file; see AnotherApCount
    char anotherAp[CLASS_COUNT][ANOTHER_AP_LIMIT][SETTING_TEXT_SIZE];
    char setup[SETTING_TEXT_SIZE];
    char noSetupPath[SETTING_TEXT_SIZE];
    char rePlugin[SETTING_TEXT_SIZE];
    char launchAnotherAPParam[SETTING_TEXT_SIZE];
};

extern const char settingSection[32];

// The launcher flow's first step: reads Setting.ini in the launcher folder, whose path it
// leaves in settingFile. 1 when it was read (a missing file or key gives its default); 0
// when the path did not fit, which leaves every default and the path cut, for a message.
int ReadSettings(const char *folder, LauncherSettings *settings, char settingFile[SETTING_FILE_PATH_SIZE]);
// Every key at its default, as with no Setting.ini at all.
void UseDefaultSettings(LauncherSettings *settings);
// Reads every key from the given file in the file's row order; a missing file or key
// gives its default.
int ReadSettingsFrom(const char *settingFile, LauncherSettings *settings);
// Entries to run per class: AnotherAPNum within 0..5.
int AnotherApCount(const LauncherSettings &settings);

// Key names of a class: its driver setup's folder and program, and the base of its
// further-application entries (the index follows in decimal).
const char *SetupPathKey(LauncherClass osClass);
const char *SetupExeKey(LauncherClass osClass);
const char *AnotherApKeyBase(LauncherClass osClass);

// One key of Setting.ini as the launcher reads it.
enum SettingKind { SETTING_TEXT, SETTING_NUMBER };
struct SettingKey {
    const char *name;        // as looked up (letter case does not count)
    SettingKind kind;
    const char *fallback;    // what a missing key reads as
    char *text;              // where a text is kept
    int *number;             // where a number is kept
    int entry;               // further-application index, -1 for other keys
};
typedef void (*SettingKeyVisitor)(const SettingKey *key, void *context);
// Every key in reading order, kept in settings. The further-application entries follow the
// numbers: as many per class as AnotherApCount says once the numbers have been visited.
// With NULL settings the walk is for the names alone: all five entries per class, kept
// where no one reads them.
void WalkSettingKeys(LauncherSettings *settings, SettingKeyVisitor visit, void *context);

#endif
