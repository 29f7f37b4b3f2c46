// The launcher flow's classification step: the running Windows sorted into the Vista or XP
// class and into 32 or 64 bits.
#ifndef TOLLGATE_STEPS_OS_CLASS_H
#define TOLLGATE_STEPS_OS_CLASS_H

int CheckVista(void);
int CheckX64(void);

#endif
