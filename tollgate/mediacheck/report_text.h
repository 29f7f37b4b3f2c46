// The medium report as people read it.
#ifndef MEDIACHECK_REPORT_TEXT_H
#define MEDIACHECK_REPORT_TEXT_H

#include <stdio.h>

void PrintReportText(FILE *out);

#endif
