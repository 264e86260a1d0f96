// Display-object deletion. Until it is built, nothing is freed here.
#include "parts/part_delete.h"

void delete_display_lists_for_part(int, int, int) {}
