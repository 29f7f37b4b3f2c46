// The stand-in's command line.
#include "tvapp_options.h"

#include <stdlib.h>
#include <string.h>

static int CopyName(char *target, const char *text, size_t length)
{
    if (length >= TVAPP_NAME_SIZE)
        return 0;
    memcpy(target, text, length);
    target[length] = '\0';
    return 1;
}

// CLASS or CLASS:TITLE; a pop-up without a title gets an empty one.
static int AddPopup(TvAppOptions *options, const char *text)
{
    if (options->popupCount >= TVAPP_MAX_POPUPS)
        return 0;
    TvAppPopup &popup = options->popups[options->popupCount];
    const char *colon = strchr(text, ':');
    size_t classLength = colon ? (size_t)(colon - text) : strlen(text);
    if (classLength == 0 || !CopyName(popup.windowClass, text, classLength))
        return 0;
    const char *title = colon ? colon + 1 : "";
    if (!CopyName(popup.title, title, strlen(title)))
        return 0;
    options->popupCount++;
    return 1;
}

int ParseOptions(int argc, char **argv, TvAppOptions *options)
{
    memset(options, 0, sizeof *options);
    options->player = PLAYER_NONE;
    for (int i = 1; i < argc; ++i) {
        const char *word = argv[i];
        const char *value = i + 1 < argc ? argv[i + 1] : NULL;
        if (strcmp(word, "--player") == 0) {
            options->player = PLAYER_HIDDEN;
            continue;
        }
        if (strcmp(word, "--all-keys") == 0) {
            options->allKeys = 1;
            continue;
        }
        if (strcmp(word, "--visible-player") == 0) {
            options->player = PLAYER_VISIBLE;
            continue;
        }
        int takesValue = strcmp(word, "--as") == 0 || strcmp(word, "--class") == 0
                         || strcmp(word, "--title") == 0 || strcmp(word, "--popup") == 0
                         || strcmp(word, "--record") == 0;
        if (!takesValue)
            continue;
        if (!value)
            return 0;
        ++i;
        if (strcmp(word, "--as") == 0) {
            char *end = NULL;
            long index = strtol(value, &end, 10);
            if (!value[0] || *end || index < 1 || index > 9)
                return 0;
            options->poseIndex = (int)index;
        } else if (strcmp(word, "--class") == 0) {
            if (!value[0] || strlen(value) >= TVAPP_NAME_SIZE)
                return 0;
            options->windowClass = value;
        } else if (strcmp(word, "--title") == 0) {
            if (strlen(value) >= TVAPP_NAME_SIZE)
                return 0;
            options->title = value;
        } else if (strcmp(word, "--popup") == 0) {
            if (!AddPopup(options, value))
                return 0;
        } else {
            if (!value[0])
                return 0;
            options->recordPath = value;
        }
    }
    return 1;
}
