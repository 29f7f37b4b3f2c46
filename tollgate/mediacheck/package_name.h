// Hotfix package names and the switches of the Windows Update Standalone Installer, as
// plain text rules.
#ifndef MEDIACHECK_PACKAGE_NAME_H
#define MEDIACHECK_PACKAGE_NAME_H

#include <stddef.h>

// Reads a file name (folders before it allowed) of the form
// Windows<major>.<minor>-KB<number>-<processor>.msu, letter case ignored. 1 when it has
// that form; the processor text ("x86", "x64", "ia64"...) is copied out.
int ReadPackageName(const char *name, int *major, int *minor, char *processor, size_t size);
// 1 when the installer takes the text as one of its own switches (/quiet, /norestart,
// /kb:..., letter case ignored).
int IsInstallerSwitch(const char *text, size_t length);
// The first blank-separated part of parameters that is not such a switch, or NULL.
const char *FirstForeignParameter(const char *parameters, size_t *length);

#endif
