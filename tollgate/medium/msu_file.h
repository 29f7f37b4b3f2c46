// Hotfix packages among the further applications of Setting.ini.
#ifndef TOLLGATE_MEDIUM_MSU_FILE_H
#define TOLLGATE_MEDIUM_MSU_FILE_H

// 1 when the text from the last '.' on is exactly ".msu" (letter case counts).
int IsMsuFile(const char *name);

#endif
