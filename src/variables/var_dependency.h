// The variable dependency list: which computed variables and parts depend on
// given parts, so that they can be recomputed after those parts change.  No
// computed variable exists yet, so the list stays empty and nothing is sent
// to the servers.
#pragma once

// Asks each case server which variables and parts depend on the count given
// parts and fills the dependency list.  Nothing depends on anything yet: 0.
int check_var_part_dependency(int count, const int *parts);
// Adds part number n to the dependency list.
void add_part_to_dependency_list(int n);
// Brings the dependency list up to date with the variables.
void update_var_part_dependency();
// Has each case server execute the dependency list and rebuilds the
// dependent parts.  0.
int execute_and_update_dependency();
