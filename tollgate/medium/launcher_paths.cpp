// Paths and command lines of the launcher, all formatted within their buffers.
#include "medium/launcher_paths.h"

#include <string.h>

#include "common/bounded_text.h"

int LauncherFolderOf(const char *modulePath, char *folder, size_t size)
{
    if (!modulePath || !folder || size == 0)
        return 0;
    folder[0] = '\0';
    const char *slash = strrchr(modulePath, '\\');
    if (!slash)
        return 0;
    size_t length = (size_t)(slash - modulePath);
    if (length >= size)
        return 0;
    memcpy(folder, modulePath, length);
    folder[length] = '\0';
    return 1;
}

int SettingFilePath(const char *folder, char *path, size_t size)
{
    return FormatText(path, size, "%s\\Setting.ini", folder);
}

int SetupCommandLine(const char *folder, const char *setupPath, const char *setupExe,
                     char *commandLine, size_t size)
{
    return FormatText(commandLine, size, "\"%s\\%s\\%s\"", folder, setupPath, setupExe);
}

int AnotherApCommandLine(const char *folder, const char *entry, const char *parameter,
                         char *commandLine, size_t size)
{
    return FormatText(commandLine, size, "\"%s\\%s\" %s", folder, entry, parameter);
}

int AnotherApFile(const char *folder, const char *entry, char *path, size_t size)
{
    return FormatText(path, size, "%s\\%s", folder, entry);
}

int ProgramCommandLine(const char *folder, const char *program, const char *ownParameters,
                       const char *parameter, char *commandLine, size_t size)
{
    if (!FormatText(commandLine, size, "\"%s\\%s\"", folder, program))
        return 0;
    if (ownParameters[0] && !(AppendText(commandLine, size, " ") && AppendText(commandLine, size, ownParameters)))
        return 0;
    return !parameter || (AppendText(commandLine, size, " ") && AppendText(commandLine, size, parameter));
}

int PackageParameters(const char *ownParameters, const char *parameter, char *text, size_t size)
{
    if (!ownParameters[0])
        return CopyText(text, size, parameter);
    return FormatText(text, size, "%s %s", ownParameters, parameter);
}
