// Removing a case from the client: its parts, its variable values and its
// file names go, and its slot in the case table becomes free.
#pragma once

// Removes every client trace of case slot case_index just before its
// server is stopped or replaced: its part records (no "delete" is sent),
// its column of the variable table, the values of variables that only it
// had in every other part, its file names and read flags, the tables its
// geometry read made; the slot becomes free and Case_cnt goes down.  1, or
// -1 for a slot not in use.
int delete_case_client(int case_index);
