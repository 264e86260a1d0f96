// Solution time: the begin, current and end steps the scene shows and how
// they are updated.  Without a time line the settings are only stored.
#pragma once

extern int Soltime_begstep;    // begin step
extern float Soltime_curstep;  // current step
extern int Soltime_endstep;    // end step
extern float Soltime_cursimt;  // current simulation time
extern int Soltime_timtype;    // update type, 0 discrete

// Mode 0 reads the solution-time settings into the arguments, mode 1 stores
// them; the second argument is ignored.
void soltime_timevals(int mode, int unused, int *begstep, float *begtime, float *curstep,
                      float *curtime, int *endstep, float *endtime);
// Time of step s of the overall time line (0 when there is none).
float soltime_step_time(int step);
