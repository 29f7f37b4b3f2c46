// Plain-value rules of the launcher dialog: its timer period and where the minimised
// icon is drawn.
#ifndef TOLLGATE_STEPS_LAUNCHER_DIALOG_RULES_H
#define TOLLGATE_STEPS_LAUNCHER_DIALOG_RULES_H

// WaitTimer as a timer period: a negative value means "as soon as the system allows" (0),
// not a period of some 24 days once converted to unsigned.
unsigned LauncherTimerPeriod(int waitTimer);
// Centre of the client area for the icon, rounding half up and truncating toward zero as
// the division of signed integers does.
void IconOrigin(int clientWidth, int clientHeight, int iconWidth, int iconHeight, int *x, int *y);
// Whether the dialog stays to watch the installer: only for a package that the shell took,
// and only when the medium asks for it.
int DialogStays(int msuLaunched, int enableTimer);

#endif
