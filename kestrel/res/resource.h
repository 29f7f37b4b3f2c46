// Resource identifiers of kestrel.
#ifndef KESTREL_RESOURCE_H
#define KESTREL_RESOURCE_H

#define IDI_PROGRAM 50
#define IDD_SETTING 20
#define IDD_ABOUT 21
#define IDS_WINDOW_TITLE 22
#define IDS_WINDOW_CLASS 23
#define IDR_ACCELERATORS 23

#endif
