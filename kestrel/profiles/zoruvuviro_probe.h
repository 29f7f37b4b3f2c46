// ZoruvUviro Zuvava's installation and its playback skin.
#ifndef KESTREL_ZORUVUVIRO_PROBE_H
#define KESTREL_ZORUVUVIRO_PROBE_H

// Looks for ZoruvUviro Zuvava's installation folder and sets the skin flag (main-window creation).
void ProbeZoruvUviro(void);

#endif
