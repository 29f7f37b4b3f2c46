// Starting a program of the medium and waiting for it to end.
#ifndef TOLLGATE_STEPS_RUN_AND_WAIT_H
#define TOLLGATE_STEPS_RUN_AND_WAIT_H

// 1 once the started program has ended; 0 (after a message under caption) when it could
// not start or its end could not be awaited.
int RunAndWait(const char *commandLine, const char *caption);

#endif
