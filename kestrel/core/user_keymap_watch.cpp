// The reading and re-reading of keymaps.ini, so that a person editing it sees the effect
// without restarting kestrel.
#include "core/user_keymap_watch.h"

#include <windows.h>
#include <string.h>

#include "base/program_message.h"
#include "base/seams.h"
#include "common/bounded_text.h"
#include "profiles/user_keymaps.h"

enum { KEYMAP_LOOK_PERIOD_MS = 1000 };

static char keymapPath[MAX_PATH];
static DWORD lastLook = 0;
static int seenPresent = 0;
static WIN32_FILE_ATTRIBUTE_DATA seen;

// Beside the program; 0 when the path does not fit.
static int FindKeymapPath(void)
{
    char program[MAX_PATH];
    DWORD length = GetModuleFileNameA(NULL, program, sizeof program);
    if (length == 0 || length >= sizeof program)
        return 0;
    char *slash = strrchr(program, '\\');
    if (!slash)
        return 0;
    slash[1] = '\0';
    return FormatText(keymapPath, sizeof keymapPath, "%skeymaps.ini", program);
}

static int LookAtFile(WIN32_FILE_ATTRIBUTE_DATA *data)
{
    return keymapPath[0] && GetFileAttributesExA(keymapPath, GetFileExInfoStandard, data)
           && !(data->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A file that cannot be opened reads as empty: no applications of the user's.
static void ReadKeymaps(void)
{
    static char text[KEYMAP_FILE_MAX];
    DWORD got = 0;
    HANDLE file = CreateFileA(keymapPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file != INVALID_HANDLE_VALUE) {
        if (!ReadFile(file, text, sizeof text, &got, NULL))
            got = 0;
        CloseHandle(file);
    }
    static char message[PROBLEMS_TEXT_SIZE + MAX_PATH + 100];
    if (ParseUserKeymaps(text, got, keymapPath, message, sizeof message) > 0)
        ShowProgramText(message, MB_ICONWARNING | MB_SETFOREGROUND);
}

void ReadUserKeymapsAtStart(void)
{
    lastLook = clockTick();
    seenPresent = FindKeymapPath() && LookAtFile(&seen);
    if (seenPresent)
        ReadKeymaps();
}

void WatchUserKeymaps(void)
{
    DWORD now = clockTick();
    if (now - lastLook < KEYMAP_LOOK_PERIOD_MS)
        return;
    lastLook = now;
    WIN32_FILE_ATTRIBUTE_DATA data;
    int present = LookAtFile(&data);
    if (present == seenPresent
        && (!present || (CompareFileTime(&data.ftLastWriteTime, &seen.ftLastWriteTime) == 0
                         && data.nFileSizeLow == seen.nFileSizeLow && data.nFileSizeHigh == seen.nFileSizeHigh)))
        return;
    // Noted before the reading: a tick nested in its message box must not read again.
    seen = data;
    seenPresent = present;
    if (present) {
        ReadKeymaps();
    } else {
        char none[1];
        ParseUserKeymaps("", 0, keymapPath, none, sizeof none);
    }
}
