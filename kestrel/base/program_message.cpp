// Message boxes with their texts from the string table, so that each text is written once.
#include "base/program_message.h"

#include "res/resource.h"

int ShowProgramMessage(UINT textId, UINT style)
{
    HINSTANCE program = GetModuleHandleA(NULL);
    char caption[100];
    char text[200];
    if (!LoadStringA(program, IDS_WINDOW_TITLE, caption, sizeof caption))
        caption[0] = '\0';
    if (!LoadStringA(program, textId, text, sizeof text))
        text[0] = '\0';
    return MessageBoxA(NULL, text, caption, style);
}

int ShowProgramText(const char *text, UINT style)
{
    char caption[100];
    if (!LoadStringA(GetModuleHandleA(NULL), IDS_WINDOW_TITLE, caption, sizeof caption))
        caption[0] = '\0';
    return MessageBoxA(NULL, text, caption, style);
}
