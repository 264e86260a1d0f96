// Time sets (see timeset.h).
#include "anim/timeset.h"

int Timeset_cnt = 0;
Timeset_rec *Timesets[MAX_TIMESETS];
int Time_set_geometry[16] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
int Time_set_mgeom[16] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
int Time_tot_steps = 0;
float (*Time_steps)[2] = nullptr;

void draw_timeset_area_gl() {}
void manage_timeset_gl(int) {}
