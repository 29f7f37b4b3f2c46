// Message boxes with their texts from the string table, so that each text is written once.
#include "base/program_message.h"

#include "res/resource.h"

const char *ProgramString(UINT id, char *text, int size)
{
    if (!LoadStringA(GetModuleHandleA(NULL), id, text, size))
        text[0] = '\0';
    return text;
}

int ShowProgramMessage(UINT textId, UINT style)
{
    char text[200];
    return ShowProgramText(ProgramString(textId, text, sizeof text), style);
}

int ShowProgramText(const char *text, UINT style)
{
    char caption[100];
    return MessageBoxA(NULL, text, ProgramString(IDS_WINDOW_TITLE, caption, sizeof caption), style);
}
