// XpertTVR's key map; RAR-A RURI takes its commands, entry for entry, through the same message.
#ifndef KESTREL_KEYS_XPERTTVR_H
#define KESTREL_KEYS_XPERTTVR_H

#include "profiles/key_map.h"

extern const KeyMap xpertTvrKeys;

#endif
