// Switching the computer off once the shut-down confirmation was answered with Power or OK.
#ifndef KESTREL_POWER_OFF_H
#define KESTREL_POWER_OFF_H

// Starts a forced power-off: with the shut-down privilege on the NT family, plainly on the
// 95 family. Says "Can't run ExitWindowsEx." when an NT system refuses it.
void PowerOffComputer(void);

#endif
