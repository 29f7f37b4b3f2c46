// Telling the user, once per application and run, that an application is out of the remote's reach.
#ifndef KESTREL_REACH_NOTICE_H
#define KESTREL_REACH_NOTICE_H

// A tray balloon for every application a key found out of reach and not yet told about.
void TellUnreachableApps(void);

#endif
