// The medium report as scripts read it.
#ifndef MEDIACHECK_REPORT_JSON_H
#define MEDIACHECK_REPORT_JSON_H

#include <stdio.h>

void PrintReportJson(FILE *out);

#endif
