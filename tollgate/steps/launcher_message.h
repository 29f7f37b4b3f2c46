// The launcher's message boxes: no owner, OK only, under the caption the caller gives.
#ifndef TOLLGATE_STEPS_LAUNCHER_MESSAGE_H
#define TOLLGATE_STEPS_LAUNCHER_MESSAGE_H

void ShowLauncherMessage(const char *caption, const char *text);
// A sentence and, below it, the path or command line it is about (shortened if it must
// be): one that did not fit its buffer and was not used, or a program that failed.
void ShowAboutText(const char *caption, const char *sentence, const char *text);

#endif
