// Accessors of the profiles' installed and active marks, for the dialogs, the tray and the
// launch watcher.
#ifndef KESTREL_APP_MARKS_H
#define KESTREL_APP_MARKS_H

// Application index's installed mark as found at start-up; 0 outside 1..9.
int AppInstalledMark(int index);
// Whether the application counts as installed for a list or menu that is being built: the
// mark, except for Media Center, which is looked for again because it can arrive later.
int AppListedAsInstalled(int index);
// Ends the watch over a launched application whose window is gone: drops its active mark and
// its launch-watch flag.
void EndLaunchWatch(int index);

#endif
