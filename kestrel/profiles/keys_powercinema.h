// PowerCinema's key map.
#ifndef KESTREL_KEYS_POWERCINEMA_H
#define KESTREL_KEYS_POWERCINEMA_H

#include "profiles/key_map.h"

extern const KeyMap powerCinemaKeys;

#endif
