// The stand-in's command line: which application it poses as and which windows it adds.
#ifndef SIM_TVAPP_OPTIONS_H
#define SIM_TVAPP_OPTIONS_H

enum { TVAPP_MAX_POPUPS = 8, TVAPP_NAME_SIZE = 128 };

enum TvAppPlayer { PLAYER_NONE, PLAYER_HIDDEN, PLAYER_VISIBLE };

struct TvAppPopup {
    char windowClass[TVAPP_NAME_SIZE];
    char title[TVAPP_NAME_SIZE];
};

struct TvAppOptions {
    int poseIndex;              // --as N; 0 when not given
    const char *windowClass;    // --class C; NULL keeps the pose's
    const char *title;          // --title T; NULL keeps the pose's
    const char *recordPath;     // --record PATH; NULL for the default beside the program
    TvAppPlayer player;         // --player, --visible-player
    int allKeys;                // --all-keys: every key event is ours, whoever is in front
    int popupCount;
    TvAppPopup popups[TVAPP_MAX_POPUPS];   // --popup CLASS[:TITLE]
};

// Reads argv[1..argc-1]; words it does not know (the launch parameter "remote") are skipped.
// 0 when an option lacks its value, --as is not 1..9, or a name does not fit.
int ParseOptions(int argc, char **argv, TvAppOptions *options);

#endif
