// Resource identifiers of Setup.exe.
#ifndef TOLLGATE_RESOURCE_H
#define TOLLGATE_RESOURCE_H

#define IDR_MANIFEST 1
#define IDD_LAUNCHER 102
#define IDI_LAUNCHER 128

#endif
