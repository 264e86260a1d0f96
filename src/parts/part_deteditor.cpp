// Parts section of the detail editor (see part_deteditor.h).  Until the part
// subsystem arrives the section is an empty form below the editor's icons
// and there are no parts to operate on.
#include "parts/part_deteditor.h"


int Deted_part_mapcnt = 0;
int *Deted_partlist_to_internal = nullptr;
int Part_dlog_current = 0;
int Part_listbytype = 0;

float Part_wrking_attr[PART_ATTR_SLOTS] = {};
int Part_wrkingchng_flags[PART_ATTR_SLOTS] = {};
int Part_wrkingchng_desc_flag = 0;



void part_detedit_refresh(int, int, const int *, int) {}
void part_detedit_apply(void *, void *) {}
void part_list_refresh() {}
void part_clear_changeindicators(int *, int) {}
void part_manage_create_sect(int) {}
void part_immedmode_change() {}

void part_createassign_viewports(int) {}
void mainpart_cut_parts(int) {}
