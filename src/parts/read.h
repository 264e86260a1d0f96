// Part table counters and the per-case data directories. The part table
// itself and the geometry transfer arrive with the parts subsystem; until then
// no part is loaded.
#pragma once

#define PATH_TEXT 255  // capacity of a per-case data directory, NUL included

extern int Num_p_loaded;        // part records in the part table, all cases, 0..5000
extern int Num_p_partlist;      // top-level parts shown in the part lists
extern int Num_parts_cases[16]; // parts per case slot

// Mode 1 stores path as the data directory of case slot case_index; mode 0
// copies the stored directory into path (capacity PATH_TEXT).
void which_path(int case_index, char *path, int mode);
