// The name form of Windows' hotfix packages and the installer's own switches.
#include "mediacheck/package_name.h"

#include <string.h>

#include "common/text_case.h"

static int StartsWith(const char *text, const char *start)
{
    for (; *start; ++text, ++start)
        if (FoldCase(*text) != FoldCase(*start))
            return 0;
    return 1;
}

static const char *Number(const char *text, int *value)
{
    if (*text < '0' || *text > '9')
        return NULL;
    *value = 0;
    for (; *text >= '0' && *text <= '9'; ++text)
        if (*value < 100000)
            *value = *value * 10 + (*text - '0');
    return text;
}

int ReadPackageName(const char *name, int *major, int *minor, char *processor, size_t size)
{
    const char *slash = strrchr(name, '\\');
    const char *text = slash ? slash + 1 : name;
    int kb = 0;
    if (!StartsWith(text, "Windows") || !(text = Number(text + 7, major)) || *text != '.'
        || !(text = Number(text + 1, minor)) || !StartsWith(text, "-KB") || !(text = Number(text + 3, &kb))
        || *text != '-')
        return 0;
    const char *dot = strrchr(++text, '.');
    if (!dot || dot == text || !SameIgnoringCase(dot, ".msu") || (size_t)(dot - text) >= size)
        return 0;
    memcpy(processor, text, (size_t)(dot - text));
    processor[dot - text] = '\0';
    return 1;
}

int IsInstallerSwitch(const char *text, size_t length)
{
    static const char *const whole[] = { "/quiet", "/norestart", "/warnrestart", "/promptrestart",
                                         "/forcerestart", "/uninstall" };
    static const char *const prefixed[] = { "/kb:", "/extract:", "/log:", "/warnrestart:" };
    for (const char *s : whole)
        if (strlen(s) == length && StartsWith(text, s))
            return 1;
    for (const char *s : prefixed)
        if (strlen(s) < length && StartsWith(text, s))
            return 1;
    return 0;
}

const char *FirstForeignParameter(const char *parameters, size_t *length)
{
    const char *part = parameters;
    for (;;) {
        while (*part == ' ')
            ++part;
        if (!*part)
            return NULL;
        const char *end = strchr(part, ' ');
        *length = end ? (size_t)(end - part) : strlen(part);
        if (!IsInstallerSwitch(part, *length))
            return part;
        part += *length;
    }
}
