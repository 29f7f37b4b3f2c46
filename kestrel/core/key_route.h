// Which consumer a routed key goes to, decided from plain values.
#ifndef KESTREL_KEY_ROUTE_H
#define KESTREL_KEY_ROUTE_H

enum KeyRoute {
    ROUTE_NOTHING,
    ROUTE_CONFIRMATION,       // the open shut-down confirmation, as Enter or Escape
    ROUTE_TOGGLE_POWER,       // Power to the active application
    ROUTE_DISPATCH_KEY,       // any other key to the active application
    ROUTE_POWER_DEFAULT,      // Power with no application driven
    ROUTE_SHUTDOWN_REQUEST,   // key 11: the confirmation if no TV window, then the cascade
    ROUTE_CASCADE             // a running application found by its window, else the mouse
};

// activeApp: the first active profile in detection order, 0 if none.
KeyRoute ChooseKeyRoute(int routedKey, int confirmationOpen, int activeApp);

#endif
