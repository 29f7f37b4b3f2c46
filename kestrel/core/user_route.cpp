// The user's applications as consumers of the remote's keys.
#include "core/user_route.h"

#include <windows.h>

#include "core/key_filter.h"
#include "profiles/key_interpreter.h"
#include "profiles/user_app_windows.h"
#include "profiles/user_keymaps.h"
#include "ui/code_viewer.h"

int DriveUserApp(int key)
{
    // Without a key-map file a key costs no window walk.
    if (userAppCount == 0)
        return 0;
    HWND window = NULL;
    int index = FindUserApp(&window);
    if (index < 0 || !UserAppMapsCode(userApps[index], (unsigned int)key))
        return 0;
    const UserApp &app = userApps[index];
    int passes = PassesRepeatRule(app.repeatEvery, repeatCount, keyIsRepeat);
    ShowCodeEvent(key, KindOfCodeEvent(keyIsRepeat, 1, passes), app.name);
    if (passes)
        RunUserKeyMap(window, app.map, (unsigned int)key);
    return 1;
}
