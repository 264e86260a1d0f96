// The "read_view" archive section: the reader-side state kept per case
// (part-build counts and tables, structured dimensions, periodicity data),
// the constant values, the saved top-level model transformation, the
// periodic match-file records and two flags.
#pragma once

#include <cstdio>

#include "parts/periodic.h"  // the match-file records
#include "view/recentre.h"  // topctmsav

#define READ_BKUP_CONSTANTS 300    // constant values, indexed by variable id
#define READ_BKUP_MATCH_NAME MATCH_NAME_LEN  // bytes of a match-file name
#define READ_BKUP_MAX_COUNT 4999   // largest per-case count or record count a restore accepts
#define READ_BKUP_EMPTY_BYTES 2079 // the section with no case data and no match records

extern int Part_build_start[4];  // [0] first part number of a build; [1..3] kept, 1 after reset
extern float Constant_values[READ_BKUP_CONSTANTS];  // by variable id

// Modes 0 save, 2 restore, 4 reset, 5 scenario write and 6 scenario read
// (version and topctmsav only); any other mode does nothing.  1, or -1
// after a failed transfer or allocation, or a restore whose counts lie
// outside 0..4999 (nothing more is read).
int read_bkup(FILE *fp, int mode);
