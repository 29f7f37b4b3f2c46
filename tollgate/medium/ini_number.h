// Numbers of Setting.ini, converted as the C library's atoi does.
#ifndef TOLLGATE_MEDIUM_INI_NUMBER_H
#define TOLLGATE_MEDIUM_INI_NUMBER_H

// Skips leading white space, takes an optional sign and the decimal digits that follow,
// stops at the first other character; no leading digits give 0. Values beyond the
// 32-bit range stop at its ends instead of being undefined as in atoi.
int IniNumber(const char *text);
// 1 when IniNumber uses the whole text: digits, an optional sign and blanks around them.
int IniNumberIsWhole(const char *text);

#endif
