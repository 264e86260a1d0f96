// Solution time (see soltime.h).
#include "anim/soltime.h"

int Soltime_begstep = 0;
float Soltime_curstep = 0.0f;
int Soltime_endstep = 0;
float Soltime_cursimt = 0.0f;
int Soltime_timtype = 0;

// Without a time line the settings are the stored steps, unchanged.
void soltime_timevals(int mode, int, int *begstep, float *begtime, float *curstep, float *curtime,
                      int *endstep, float *endtime) {
  if (mode == 0) {
    *begstep = Soltime_begstep;
    *curstep = Soltime_curstep;
    *endstep = Soltime_endstep;
    *begtime = *endtime = 0.0f;
    *curtime = Soltime_cursimt;
  } else {
    Soltime_begstep = *begstep;
    Soltime_curstep = *curstep;
    Soltime_endstep = *endstep;
    Soltime_cursimt = *curtime;
  }
}

float soltime_step_time(int) { return 0.0f; }
