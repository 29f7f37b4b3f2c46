// Keys that none of the nine applications takes, for the user's own applications.
#ifndef KESTREL_USER_ROUTE_H
#define KESTREL_USER_ROUTE_H

// Runs key on the user application in front (else the first with a window) when it has a
// line for it, under the section's repeat rule. 1 when that application took the key
// (a held-back repeat included); 0 when no user application maps it, so that the key goes
// where it would go with no application running.
int DriveUserApp(int key);

#endif
