// The launcher flow's completion check: whether the driver setup reported success.
#ifndef TOLLGATE_STEPS_FINISH_INSTALL_H
#define TOLLGATE_STEPS_FINISH_INSTALL_H

// 1 when the registry value FinishInstall is the number 1, read where a 32-bit driver
// setup writes it on this Windows; else 0. The flow asks only when Setting.ini wants the
// check.
int ReadFinishInstall(int isX64);

#endif
