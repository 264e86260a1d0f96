// Removing a case from the client: its parts, its variable values and its
// file names go, and its slot in the case table becomes free.
#pragma once

// Frees case slot case_index (in-use flag 0, empty name) and lowers
// Case_cnt; the tables its geometry read made (part-build table, PLOT3D
// zones, N3S tables) are released. 1, or -1 for a slot not in use.
int delete_case_client(int case_index);
