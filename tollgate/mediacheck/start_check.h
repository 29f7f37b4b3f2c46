// Whether CreateProcess starts a file of the medium on a class of Windows.
#ifndef MEDIACHECK_START_CHECK_H
#define MEDIACHECK_START_CHECK_H

#include "mediacheck/medium_report.h"

// 1, with an error naming the key, why it cannot start and what would, when CreateProcess
// refuses the file on that class: a document, a 64-bit program on 32-bit Windows, a
// program for another processor. 0 when it starts.
int ReportUnstartable(const char *key, const char *name, FileKind kind, const ClassPlan &plan);

#endif
