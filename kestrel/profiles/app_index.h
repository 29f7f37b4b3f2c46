// TV application indexes: the value of DefaultTVAPP, tray command 1100 + index, the Power case.
// Plain values only, so that host tests include them.
#ifndef KESTREL_APP_INDEX_H
#define KESTREL_APP_INDEX_H

enum { TV_APP_COUNT = 9 };

enum TvAppIndex {
    APP_POWERCINEMA = 1,
    APP_WINDVR = 2,
    APP_MYICTV = 3,
    APP_MEDIACENTER = 4,
    APP_TOTALMEDIA = 5,
    APP_DEVERORORU = 6,
    APP_XPERTTVR = 7,
    APP_RARARURI = 8,
    APP_ZORUVUVIRO = 9
};

// 1 for the index of one of the nine, 0 for anything else.
constexpr int IsTvAppIndex(int index)
{
    return index >= 1 && index <= TV_APP_COUNT;
}

#endif
