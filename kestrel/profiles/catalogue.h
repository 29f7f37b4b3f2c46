// Start-up probes of the TV application catalogue.
#ifndef KESTREL_CATALOGUE_H
#define KESTREL_CATALOGUE_H

// Looks whether ZoruvUviro Zuvava is installed (main-window creation).
void ProbeZoruvUviro(void);
// 1 when Windows Media Center is present; marks its profile installed.
int DetectMediaCenter(void);

#endif
