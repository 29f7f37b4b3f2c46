// The remote's keys by the code each sends, named by what they send to the keystroke-driven
// applications.
#ifndef KESTREL_KEY_LABELS_H
#define KESTREL_KEY_LABELS_H

// The label of a remote key code, or NULL for a code that no key map handles.
const char *RemoteKeyLabel(unsigned int code);

#endif
