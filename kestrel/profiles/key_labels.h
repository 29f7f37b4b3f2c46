// The labels of the remote's keys, as the code viewer shows them.
#ifndef KESTREL_KEY_LABELS_H
#define KESTREL_KEY_LABELS_H

// The label of a remote key code, NULL for a code the remote's table does not name.
const char *RemoteKeyLabel(int code);

#endif
