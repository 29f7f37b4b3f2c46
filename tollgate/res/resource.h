// Resource identifiers of Setup.exe.
#ifndef TOLLGATE_RESOURCE_H
#define TOLLGATE_RESOURCE_H

#define IDR_MANIFEST 1

#endif
