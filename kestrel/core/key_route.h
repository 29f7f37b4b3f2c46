// Where a key goes, decided from facts gathered beforehand: plain values in and out.
#ifndef KESTREL_KEY_ROUTE_H
#define KESTREL_KEY_ROUTE_H

#include "core/key_filter.h"

enum { KEY_POWER = 19, KEY_SHUTDOWN_REQUEST = 11 };
// What the open confirmation gets: VK_RETURN confirms, VK_ESCAPE cancels.
enum { CONFIRMATION_ENTER = 13, CONFIRMATION_ESCAPE = 27 };

// The target is a TV application's index, a user's application's, or the confirmation's key.
enum KeyRoute {
    ROUTE_NOTHING,
    ROUTE_CONFIRMATION,       // the open shut-down confirmation
    ROUTE_TOGGLE_POWER,       // Power to the driven application
    ROUTE_DRIVEN_APP,         // another key to the driven application
    ROUTE_POWER_DEFAULT,      // Power with none driven: the default application
    ROUTE_RUNNING_APP,        // the first running application, which becomes the driven one
    ROUTE_USER_APP,
    ROUTE_SHUTDOWN_QUESTION,  // key 11 with no TV window: the confirmation, then decided again
    ROUTE_ASKED,              // key 11 back from the confirmation, which nothing else takes
    ROUTE_MOUSE
};

struct KeyFacts {
    int asked;              // key 11 is back from the confirmation
    int confirmationOpen;
    int activeApp;          // the first active profile in detection order, 0 if none
    int runningApp;         // the first of the nine with a window, in detection order, 0 if none
    int userApp;            // the user's application in front (else first) if it maps the key, else -1
    int userRepeatEvery;
    int defaultApp;
};

struct KeyDecision {
    KeyRoute route;
    int target;
    int thinned;   // an application's repeat rule looked at the key...
    int passed;    // ...and let it through; 0: the key goes nowhere
};

KeyDecision DecideKeyRoute(const KeyEvent &key, const KeyFacts &facts);

#endif
