// Whether a program the launcher waits for has ended, from what the wait and the exit code
// said: a failed wait alone proves nothing.
#ifndef TOLLGATE_STEPS_RUN_AND_WAIT_RULES_H
#define TOLLGATE_STEPS_RUN_AND_WAIT_RULES_H

enum WaitOutcome { WAIT_ENDED, WAIT_STILL_RUNNING, WAIT_UNKNOWN };

enum {
    WAIT_SIGNALLED = 0,           // WAIT_OBJECT_0
    EXIT_CODE_STILL_ACTIVE = 259  // STILL_ACTIVE
};

// waitResult: what WaitForSingleObject answered; exitCodeRead: whether GetExitCodeProcess
// succeeded afterwards, and exitCode what it gave.
WaitOutcome JudgeWait(unsigned long waitResult, int exitCodeRead, unsigned long exitCode);

#endif
