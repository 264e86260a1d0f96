// The realtime surface buffers (see realtime_buffers.h).
#include "derived/realtime_buffers.h"

float *Realtime_temp_coord[3] = {nullptr, nullptr, nullptr};
int *Realtime_temp_con = nullptr;
float *Realtime_temp_scalar = nullptr;
float (*Realtime_temp_vector)[3] = nullptr;
int Realtime_big_temp_coord = 0;
int Realtime_big_temp_con = 0;
int Realtime_big_temp_scalar = 0;
int Realtime_big_temp_vector = 0;
