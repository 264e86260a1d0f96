// Time sets (see timeset.h).
#include "anim/timeset.h"

#include "client/defaults.h"

int Timeset_cnt = 0;
Timeset_rec *Timesets[MAX_TIMESETS];
int Time_set_geometry[MAX_CASES] = EVERY_CASE(-1);
int Time_set_mgeom[MAX_CASES] = EVERY_CASE(-1);
static const Global_defaults Defaults(DEFAULTS_AT_RESET, Timeset_cnt, Timesets, Time_set_geometry,
                                      Time_set_mgeom);
int Time_tot_steps = 0;
float (*Time_steps)[2] = nullptr;

void draw_timeset_area_gl() {}
void manage_timeset_gl(int) {}
