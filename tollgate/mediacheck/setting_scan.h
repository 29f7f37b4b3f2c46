// Setting.ini read as bytes and lines, for what the profile functions hide: a byte-order
// mark, a second [Const], a key given twice, keys Setup.exe reads written in other sections.
#ifndef MEDIACHECK_SETTING_SCAN_H
#define MEDIACHECK_SETTING_SCAN_H

// The byte-order marks of the file's start.
void CheckSettingEncoding(const char *settingFile);
// Sections and keys line by line.
void CheckSettingLines(const char *settingFile);

#endif
