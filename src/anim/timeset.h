// Time sets of the loaded cases and the overall time line built from them.
#pragma once

#include "client/cases.h"

#define MAX_TIMESETS 4800

struct Timeset_rec;  // one time set; defined with the time-set code

extern int Timeset_cnt;                        // number of time sets
extern Timeset_rec *Timesets[MAX_TIMESETS];    // null = unused
extern int Time_set_geometry[MAX_CASES];       // time set of a case's changing geometry; -1 none
extern int Time_set_mgeom[MAX_CASES];          // time set of a case's measured geometry; -1 none
extern int Time_tot_steps;                     // entries of the overall time line, 0 when none
extern float (*Time_steps)[2];                 // the overall time line: (step, time) per entry; null when none

// Time-set scales of the solution-time dialog (nothing to draw until time
// sets arrive); a press in a scale has no effect.
void draw_timeset_area_gl();
void manage_timeset_gl(int scale);
