// Installation tests beyond a registry value: Windows Media Center and ZoruvUviro Zuvava's skin.
#ifndef KESTREL_INSTALL_DETECTION_H
#define KESTREL_INSTALL_DETECTION_H

// 1 when Windows Media Center is present; then marks its profile installed and sets xpMediaCenter.
int DetectMediaCenter(void);
// Looks for ZoruvUviro Zuvava's installation folder and sets the skin flag (main-window creation).
void ProbeZoruvUviro(void);

#endif
