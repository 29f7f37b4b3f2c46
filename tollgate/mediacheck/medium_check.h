// The medium checker's one pass over a medium folder.
#ifndef MEDIACHECK_MEDIUM_CHECK_H
#define MEDIACHECK_MEDIUM_CHECK_H

#include <stddef.h>

// Fills mediumReport for the medium in folder (relative or absolute). 1 when the folder
// was checked; 0 when it cannot be (not a folder, unreadable), with why in reason.
int CheckMedium(const char *folder, char *reason, size_t reasonSize);

#endif
