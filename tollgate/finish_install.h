// The launcher flow's completion check: whether the driver setup reported success.
#ifndef TOLLGATE_FINISH_INSTALL_H
#define TOLLGATE_FINISH_INSTALL_H

// 1 when Setting.ini asks for the check and the registry value FinishInstall is the number
// 1, read where a 32-bit driver setup writes it on this Windows; else 0.
int ReadFinishInstall(int isX64);

#endif
