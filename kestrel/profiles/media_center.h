// Windows Media Center: whether it is installed, and the shell a launch starts while it is
// the default application.
#ifndef KESTREL_MEDIA_CENTER_H
#define KESTREL_MEDIA_CENTER_H

#include <stddef.h>

// 1 when the last successful detection found the Windows XP edition, known by its class alone.
// shared: the detection sets it, the catalogue's lookup reads it.
extern int xpMediaCenter;

// 1 when Windows Media Center is present; then marks its profile installed and sets xpMediaCenter.
int DetectMediaCenter(void);
// Runs the detection; when Media Center is present, its shell "<Windows>\ehome\ehshell.exe"
// into path: 1, or -1 when the path did not fit. 0 when it is absent.
int MediaCenterLaunchPath(char *path, size_t size);

#endif
