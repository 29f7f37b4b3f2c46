// ZoruvUviro Zuvava: commands in the wParam of message 4024, routed around its pop-up windows.
// Marks: n main window only while no pop-up shows; p the visible pop-up, brought to the front,
// else the main window; m the main window always; v Ctrl+S, held back while the PictureView
// player is the pop-up in front; s Ctrl+T, whose command depends on the installed skin.
#include "profiles/keys_zoruvuviro.h"

#include "profiles/primitives.h"
#include "profiles/profile.h"

static const KeyMapRow rows[] = {
    Routed(5, 4003, 'n'),
    Routed(7, 35004, 'p'),
    Routed(8, 35005, 'p'),
    Routed(11, 26, 'n'),
    Routed(15, 35001, 'p'),
    Routed(21, 35003, 'p'),
    Routed(22, 1002, 'v'),
    Routed(24, 35002, 'p'),
    Routed(DIGIT_KEYS, 10000, 'n'),
    Routed(42, 3000, 'm', 2000),
    Routed(45, 110, 's'),   // 20 with the playback skin
    Routed(46, 24, 'n'),
    Routed(54, 35007, 'p'),
    Routed(55, 1000, 'n'),
    Routed(59, 207, 'n'),
    Routed(60, 403, 'n'),
    Routed(62, 3, 'n'),
    Routed(63, 1001, 'n', 2000),
    Routed(79, 402, 'n'),
    Routed(80, 401, 'n'),
    Routed(81, 4002, 'n'),
    Routed(82, 4001, 'n'),
};

enum { POPUP_SEARCH_STEPS = 7, PICTURE_VIEW_STEP = 5 };

struct PopupWindow {
    const char *windowClass;
    const char *title;
};

static const PopupWindow popups[POPUP_SEARCH_STEPS] = {
    { "TPopupForm", NULL },
    { "TSourceForm", NULL },
    { "TFormCalander", NULL },
    { "TDialogForm", NULL },
    { "VUzevaPlayer_Class", "PictureView" },
    { "VUzevaPlayer_Class", "Playback" },
    { "TWizardForm", "WizardForm" },
};

// The result of each search step (index 0 is step 1), as the last search stored it.
static HWND popupHandles[POPUP_SEARCH_STEPS];

// The first visible pop-up window, or NULL; stores every search's result.
static HWND PopupSearch(void)
{
    for (int step = 0; step < POPUP_SEARCH_STEPS; ++step) {
        popupHandles[step] = FindWindowExA(GetDesktopWindow(), NULL, popups[step].windowClass, popups[step].title);
        if (IsWindowVisible(popupHandles[step]))
            return popupHandles[step];
    }
    return NULL;
}

static void RouteZoruvKey(int index, HWND main, const KeyMapRow &row, unsigned int command)
{
    // The search runs even without the main window: it refreshes the stored handles.
    HWND popup = PopupSearch();
    tvApps[index].popupWindow = popup;
    switch (row.mark) {
    case 'p':
        if (!main)
            return;
        if (popup) {
            Activate(popup);
            PostCommand(popup, MAIN_PANEL_COMMAND_MESSAGE, command, 0);
        } else {
            PostCommand(main, MAIN_PANEL_COMMAND_MESSAGE, command, 0);
        }
        return;
    case 'm':
        if (main)
            PostCommand(main, MAIN_PANEL_COMMAND_MESSAGE, command, 0);
        return;
    case 'v':
        // The PictureView handle is refreshed only by a search that got past pop-ups 1 to 4.
        if (main && popup != popupHandles[PICTURE_VIEW_STEP - 1])
            PostCommand(main, MAIN_PANEL_COMMAND_MESSAGE, command, 0);
        return;
    case 's':
        command = zoruvSkinFlag == 1 ? 20 : command;
        break;
    default:
        break;
    }
    if (main && !popup)
        PostCommand(main, MAIN_PANEL_COMMAND_MESSAGE, command, 0);
}

const KeyMap zoruvUviroKeys = { KEY_MAP_ROWS(rows), MAIN_PANEL_COMMAND_MESSAGE, 0, 0, RouteZoruvKey };
