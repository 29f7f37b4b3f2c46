// The tuner's filter name as the driver's installation recorded it.
#ifndef TOLLGATE_DS_NAME_H
#define TOLLGATE_DS_NAME_H

enum { DS_NAME_SIZE = 260 };

// The filter name the installed driver left under HKLM\Software\Halyard\BDA
// ("RealDSName", else "DSName"); 1 when there is one.
int GetDSName(char nameOut[DS_NAME_SIZE]);

#endif
