// Acting on a key's decision: the confirmation, a TV application, a user's application or the mouse.
#ifndef KESTREL_KEY_DELIVERY_H
#define KESTREL_KEY_DELIVERY_H

#include <windows.h>

#include "core/key_route.h"

// Hands key where decision says; owner: of the shut-down confirmation; userWindow: the
// window of the user's application the facts found.
void DeliverKey(const KeyEvent &key, const KeyDecision &decision, HWND owner, HWND userWindow);

#endif
