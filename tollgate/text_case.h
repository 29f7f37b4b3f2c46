// Names compared without regard to ASCII letter case, as profile files match keys and
// sections and as the launcher tells the 32-bit program folder.
#ifndef TOLLGATE_TEXT_CASE_H
#define TOLLGATE_TEXT_CASE_H

char FoldCase(char c);
int SameIgnoringCase(const char *a, const char *b);

#endif
