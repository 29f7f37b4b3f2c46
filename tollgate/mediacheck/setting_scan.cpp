// Setting.ini line by line: the first [Const] and the first of a key count.
#include "mediacheck/setting_scan.h"

#include <windows.h>
#include <string.h>

#include "common/text_case.h"
#include "mediacheck/medium_report.h"
#include "medium/launcher_settings.h"

enum { FILE_LIMIT = 256 * 1024, KEYS_SEEN = 256 };

static char fileBuffer[FILE_LIMIT + 1];
static char keysSeen[KEYS_SEEN][SETTING_KEY_SIZE];

static DWORD ReadStart(const char *settingFile)
{
    HANDLE file = CreateFileA(settingFile, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    DWORD read = 0;
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    if (!ReadFile(file, fileBuffer, FILE_LIMIT, &read, NULL))
        read = 0;
    CloseHandle(file);
    fileBuffer[read] = '\0';
    return read;
}

static int IsUtf16(DWORD length)
{
    const unsigned char *b = (const unsigned char *)fileBuffer;
    return length >= 2 && ((b[0] == 0xFF && b[1] == 0xFE) || (b[0] == 0xFE && b[1] == 0xFF));
}

void CheckSettingEncoding(const char *settingFile)
{
    DWORD length = ReadStart(settingFile);
    const unsigned char *b = (const unsigned char *)fileBuffer;
    if (length >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF)
        AddProblem(PROBLEM_WARNING, "Setting.ini", "starts with a UTF-8 byte-order mark, which Windows reads as "
                   "part of the first line, so a section named there is not found; save it as ANSI text");
    else if (IsUtf16(length))
        AddProblem(PROBLEM_WARNING, "Setting.ini", "is UTF-16 text: Windows reads it, but hands Setup.exe every "
                   "name in the target machine's ANSI code page, where letters beyond it are lost");
}

// One line without its end and its leading blanks, moved past. What follows a section's
// "]" or a key's "=" is never looked at, so the line's end needs no trimming.
static char *NextLine(char **cursor)
{
    char *line = *cursor;
    if (!*line)
        return NULL;
    char *end = strchr(line, '\n');
    *cursor = end ? end + 1 : line + strlen(line);
    if (end)
        *end = '\0';
    while (*line == ' ' || *line == '\t')
        ++line;
    return line;
}

struct KnownKey {
    const char *name;
    int known;
};

static void MatchKnown(const SettingKey *key, void *context)
{
    KnownKey *k = (KnownKey *)context;
    k->known |= SameIgnoringCase(k->name, key->name);
}

// The key of a "key=value" line, its blanks cut, in key; 0 for other lines.
static int LineKey(const char *line, char *key, size_t size)
{
    const char *equals = strchr(line, '=');
    if (!equals || line[0] == ';' || equals == line)
        return 0;
    size_t length = (size_t)(equals - line);
    while (length > 0 && (line[length - 1] == ' ' || line[length - 1] == '\t'))
        --length;
    if (length == 0 || length >= size)
        return 0;
    memcpy(key, line, length);
    key[length] = '\0';
    return 1;
}

// 1 when the key was seen before in [Const]; else it is remembered.
static int SeenBefore(const char *key, int *seen)
{
    for (int i = 0; i < *seen; ++i)
        if (SameIgnoringCase(keysSeen[i], key))
            return 1;
    if (*seen < KEYS_SEEN)
        memcpy(keysSeen[(*seen)++], key, strlen(key) + 1);
    return 0;
}

void CheckSettingLines(const char *settingFile)
{
    DWORD length = ReadStart(settingFile);
    if (IsUtf16(length))
        return;
    char *cursor = fileBuffer;
    char section[SETTING_KEY_SIZE] = "";
    int inConst = 0, constSections = 0, seen = 0;
    for (char *line; (line = NextLine(&cursor)) != NULL;) {
        char key[SETTING_KEY_SIZE];
        const char *close = strchr(line, ']');
        if (line[0] == '[' && close) {
            size_t nameLength = (size_t)(close - line - 1);
            if (nameLength >= sizeof section)
                nameLength = sizeof section - 1;
            memcpy(section, line + 1, nameLength);
            section[nameLength] = '\0';
            inConst = SameIgnoringCase(section, settingSection);
            if (inConst && ++constSections == 2)
                AddProblem(PROBLEM_WARNING, "Setting.ini", "a second [Const] section: Windows reads the keys of "
                           "the first one only");
        } else if (LineKey(line, key, sizeof key)) {
            KnownKey known = { key, 0 };
            if (inConst && SeenBefore(key, &seen)) {
                AddProblem(PROBLEM_WARNING, key, "given twice in [Const]; Setup.exe reads the first one");
            } else if (!inConst && section[0]) {
                WalkSettingKeys(NULL, MatchKnown, &known);
                if (known.known)
                    AddProblem(PROBLEM_WARNING, key, "written in [%s]; Setup.exe reads [Const] only", section);
            }
        }
    }
}
