// The recorded data commands of each case: every "data:" and
// "data_partbuild:" line that built the case's data, each behind "# " so the
// text can go into a command file as comments. Lines are separated by one
// newline; the text does not end in one. The blocks grow in place and are
// never freed; replacing a case empties its text but keeps the block.
#pragma once

#include "client/cases.h"

#define READCMDS_FIRST_BLOCK 200  // bytes of a new text
#define READCMDS_GROWTH 100       // bytes added per growth step

extern char *Data_readcmds[MAX_CASES];    // per case the reading text, null = none
extern int Data_readcmds_len[MAX_CASES];  // bytes allocated for it, 0 = none
extern char *Data_pbuildcmds;             // the part builders' text of the last creation
extern int Data_pbuildcmds_len;

// Appends "# line" to the text whose pointer and length are given, growing
// its block 100 bytes at a time. A block that cannot be grown keeps its text
// and the append fails. 0, or -1 after showing "Error allocating space for
// part build commands.".
int data_append_cmdline(char **text, int *len, const char *line, const char *who);
// Appends one line to the reading text of the current case (Case_num).
int data_PART_BLDCMDS(const char *line);
