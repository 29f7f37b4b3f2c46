// The medium report as people read it and as scripts read it.
#ifndef MEDIACHECK_REPORT_OUTPUT_H
#define MEDIACHECK_REPORT_OUTPUT_H

#include <stdio.h>

void PrintReportText(FILE *out);
void PrintReportJson(FILE *out);

#endif
