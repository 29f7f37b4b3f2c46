// Judging a wait for a started program.
#include "steps/run_and_wait_rules.h"

WaitOutcome JudgeWait(unsigned long waitResult, int exitCodeRead, unsigned long exitCode)
{
    if (waitResult == WAIT_SIGNALLED)
        return WAIT_ENDED;
    if (!exitCodeRead)
        return WAIT_UNKNOWN;
    return exitCode == EXIT_CODE_STILL_ACTIVE ? WAIT_STILL_RUNNING : WAIT_ENDED;
}
