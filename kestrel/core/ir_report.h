// The receiver's key report: its size and the bytes the dispatcher reads.
#ifndef KESTREL_IR_REPORT_H
#define KESTREL_IR_REPORT_H

enum { IR_REPORT_BYTES = 8, IR_REMOTE_ID_BYTE = 0, IR_KEY_BYTE = 2 };

#endif
