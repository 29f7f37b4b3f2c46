// Message boxes of the launcher flow.
#include "steps/launcher_message.h"

#include <windows.h>

#include "common/bounded_text.h"

void ShowLauncherMessage(const char *caption, const char *text)
{
    MessageBoxA(NULL, text, caption, MB_OK);
}

void ShowAboutText(const char *caption, const char *sentence, const char *text)
{
    char shown[600], message[1024];
    CopyTextShortened(shown, sizeof shown, text);
    FormatText(message, sizeof message, "%s\r\n\r\n%s", sentence, shown);
    ShowLauncherMessage(caption, message);
}
