// The launcher's message boxes: no owner, OK only, the Setup caption of Setting.ini.
#ifndef TOLLGATE_LAUNCHER_MESSAGE_H
#define TOLLGATE_LAUNCHER_MESSAGE_H

void ShowLauncherMessage(const char *text);
// A path or command line that did not fit its buffer and was therefore not used:
// the sentence saying which, then the text itself (shortened if it must be).
void ShowTooLong(const char *sentence, const char *text);

#endif
