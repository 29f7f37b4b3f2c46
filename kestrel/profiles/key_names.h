// Key names of the user's key maps: virtual-key code, set-1 scan code and extended flag.
#ifndef KESTREL_KEY_NAMES_H
#define KESTREL_KEY_NAMES_H

#include "common/text_span.h"

struct NamedKey {
    unsigned int vk;
    unsigned int scan;   // 0 where the key has no fixed one (vk:<number> of an unnamed key)
    int extended;        // an E0-prefixed key on a real keyboard
};

// The key a name (case ignored) stands for: A-Z, 0-9, F1-F24, the named keys, vk:<number>
// (1..254, decimal or 0x). 1 with the key, 0 for an unknown name.
int LookUpKeyName(TextSpan name, NamedKey *key);
// Whether vk is one of the keys that a real keyboard sends with the E0 prefix.
int IsExtendedVk(unsigned int vk);
// The lParam of a posted WM_KEYDOWN for the key: repeat count 1, scan code, extended bit.
unsigned long KeyDownLParam(const NamedKey &key);
// Reads text as a whole number, decimal or 0x hexadecimal, up to 0xFFFFFFFF; 1 with it.
int ReadTextNumber(TextSpan text, unsigned long *value);

#endif
