// Switching to the default application: tray launch items and the Power key with no
// application driven.
#ifndef KESTREL_SWITCHING_H
#define KESTREL_SWITCHING_H

// Closes every application but index, in detection order.
void CloseOtherApps(int index);
// Tray command 1100 + index: the others closed, index brought up, the default in memory only.
void SwitchToApp(int index);
// Power with no application driven: the others closed, the default toggled. 1 when the
// default took the launch path, so that the caller watches for its window.
int PowerDefaultApp(void);
// 1 when application index's window exists: the tray item's check mark.
int IsAppWindowPresent(int index);

#endif
