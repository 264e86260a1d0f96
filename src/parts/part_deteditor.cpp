// Parts section of the detail editor (see part_deteditor.h).
#include "parts/part_deteditor.h"

Widget Parts_listw = nullptr;
int Deted_part_mapcnt = 0;
int *Deted_partlist_to_internal = nullptr;
int Part_dlog_current = 0;

void part_detedit_refresh(int, int, const int *, int) {}

// Part deletion arrives with the part subsystem: nothing is deleted.
void part_delete_from_list(int) {}
