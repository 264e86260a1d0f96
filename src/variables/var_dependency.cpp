// The variable dependency list (see var_dependency.h): empty while no
// computed variable exists.
#include "variables/var_dependency.h"

int check_var_part_dependency(int, const int *) { return 0; }
void add_part_to_dependency_list(int) {}
void update_var_part_dependency() {}
int execute_and_update_dependency() { return 0; }
