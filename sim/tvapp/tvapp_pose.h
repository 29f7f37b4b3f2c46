// The nine TV applications the stand-in can pose as: file name, main window class and title.
#ifndef SIM_TVAPP_POSE_H
#define SIM_TVAPP_POSE_H

enum { TVAPP_POSE_COUNT = 9 };

struct TvAppPose {
    int index;
    const char *exeName;
    const char *windowClass;
    const char *title;
};

// The pose of an application index 1..9; NULL for any other number.
const TvAppPose *PoseByIndex(int index);
// The pose whose executable is named fileName (letter case ignored); NULL when none is.
const TvAppPose *PoseByExeName(const char *fileName);

#endif
