// Resource identifiers of kestrel.
#ifndef KESTREL_RESOURCE_H
#define KESTREL_RESOURCE_H

#define IDI_PROGRAM 50
#define IDS_WINDOW_TITLE 22
#define IDS_WINDOW_CLASS 23

#endif
