// Removing a case from the client: its parts, its variable values and its
// file names go, and its slot in the case table becomes free.
#pragma once

// Frees case slot case_index (in-use flag 0, empty name) and lowers
// Case_cnt. No part is loaded in this client yet, so the case has no parts,
// variable values or file names to forget. 1, or -1 for a slot not in use.
int delete_case_client(int case_index);
