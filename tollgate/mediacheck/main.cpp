// mediacheck [--json] [medium folder]: what Setup.exe will do from a medium on each class of
// Windows, and what is wrong with the medium. Exit code 0 clean, 1 warnings, 2 errors or
// bad arguments.
#include <stdio.h>
#include <string.h>

#include "mediacheck/medium_check.h"
#include "mediacheck/medium_report.h"
#include "mediacheck/report_json.h"
#include "mediacheck/report_text.h"
#include "medium/module_folder.h"

enum { EXIT_BAD_USE = 2 };

static int Usage(const char *problem)
{
    if (problem)
        fprintf(stderr, "mediacheck: %s\n", problem);
    fprintf(stderr, "usage: mediacheck [--json] [medium folder]\n"
                    "  The folder is the one that holds Setup.exe and Setting.ini; by default\n"
                    "  the folder of mediacheck.exe itself.\n");
    return EXIT_BAD_USE;
}

int main(int argc, char **argv)
{
    int json = 0;
    const char *folder = NULL;
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--json") == 0)
            json = 1;
        else if (strcmp(argv[i], "--help") == 0 || strcmp(argv[i], "/?") == 0)
            return Usage(NULL);
        else if (argv[i][0] == '-' && argv[i][1] != '\0')
            return Usage("unknown option");
        else if (folder)
            return Usage("only one medium folder at a time");
        else
            folder = argv[i];
    }
    char own[MODULE_PATH_SIZE];
    if (!folder) {
        if (GetLauncherFolder(own, sizeof own) != FOLDER_FOUND)
            return Usage("cannot tell its own folder; name the medium folder");
        folder = own;
    }
    char reason[MODULE_PATH_SIZE + 100];
    if (!CheckMedium(folder, reason, sizeof reason)) {
        fprintf(stderr, "mediacheck: %s\n", reason);
        return EXIT_BAD_USE;
    }
    if (json)
        PrintReportJson(stdout);
    else
        PrintReportText(stdout);
    return ReportExitCode();
}
