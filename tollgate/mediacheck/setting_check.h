// What is wrong with a Setting.ini that Setup.exe reads without complaint: misspelt keys,
// numbers that are not numbers, counts out of range, entries that do not do what they seem.
#ifndef MEDIACHECK_SETTING_CHECK_H
#define MEDIACHECK_SETTING_CHECK_H

#include "medium/launcher_settings.h"

// 1 when the file has a [Const] section (letter case ignored).
int HasConstSection(const char *settingFile);
// The keys of [Const] against the keys the launcher reads; the values already read into
// settings for counts, gaps and package names.
void CheckSettingKeys(const char *settingFile, const LauncherSettings &settings);
void CheckSettingValues(const LauncherSettings &settings);
// WaitTimer where a class stays to watch the installer (watched 1): 0 and above a minute.
void CheckInstallerTiming(int waitTimer, int watched);

#endif
