// LauncherSettings: the values of Setting.ini, read once at start-up.
#ifndef TOLLGATE_LAUNCHER_SETTINGS_H
#define TOLLGATE_LAUNCHER_SETTINGS_H

#include "os_class_rules.h"

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

extern LauncherSettings launcherSettings;

// The launcher flow's first step: reads Setting.ini in the launcher folder. 1 when it was
// read (a missing file or key gives its default); 0 when its path was too long for its
// buffer, which leaves every default and says so in a message.
int ReadSettings(const char *folder);
// Every key at its default, as with no Setting.ini at all.
void UseDefaultSettings(void);
// Reads every key from the given file in the file's row order; a missing file or key
// gives its default.
int ReadSettingsFrom(const char *settingFile);
// Entries to run per class: AnotherAPNum within 0..5.
int AnotherApCount(void);

#endif
