// The buffers of the surface an interactive clip or isosurface receives
// from its server after every move, drawn at once by
// display_phase_realtime.  Indexed by node number (entry 0 unused); the
// connectivity holds n node numbers per element.  Empty until the
// interactive surfaces fill them.
#pragma once

extern float *Realtime_temp_coord[3];       // x, y, z
extern int *Realtime_temp_con;              // connectivity
extern float *Realtime_temp_scalar;         // a scalar per node (or element)
extern float (*Realtime_temp_vector)[3];    // a vector per node (or element)
extern int Realtime_big_temp_coord;         // entries the coordinate arrays hold
extern int Realtime_big_temp_con;
extern int Realtime_big_temp_scalar;
extern int Realtime_big_temp_vector;
