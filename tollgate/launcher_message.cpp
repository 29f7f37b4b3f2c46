// Message boxes of the launcher flow.
#include "launcher_message.h"

#include <windows.h>

#include "common/bounded_text.h"
#include "launcher_settings.h"

void ShowLauncherMessage(const char *text)
{
    MessageBoxA(NULL, text, launcherSettings.setup, MB_OK);
}

void ShowAboutText(const char *sentence, const char *text)
{
    char shown[600], message[1024];
    CopyTextShortened(shown, sizeof shown, text);
    FormatText(message, sizeof message, "%s\r\n\r\n%s", sentence, shown);
    ShowLauncherMessage(message);
}
