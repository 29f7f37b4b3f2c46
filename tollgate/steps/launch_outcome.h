// What the launcher's run came to, as the bits of its exit code: 0 when the driver setup
// ran and everything Setting.ini named was started.
#ifndef TOLLGATE_STEPS_LAUNCH_OUTCOME_H
#define TOLLGATE_STEPS_LAUNCH_OUTCOME_H

enum LaunchOutcome {
    LAUNCH_OK = 0,
    LAUNCH_NO_DRIVER_SETUP = 1,   // Setting.ini names no driver setup for this Windows class
    LAUNCH_NOT_STARTED = 2,       // a program or package could not be started or waited for
    LAUNCH_TOO_LONG = 4,          // a path or command line did not fit and was not used
    LAUNCH_NOT_FINISHED = 8       // the completion check was asked for and not reported
};

#endif
