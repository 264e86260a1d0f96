// Periodic symmetry instances.  Until the structure operations are built
// no frame is periodic and nothing is instanced.
#pragma once

// The frame of a part when that frame is periodic, else -1.  Placeholder: -1.
int part_frame_periodic_check(int number);
// Makes the periodic instances of n parts of frame.  Placeholder: nothing.
void do_periodicity(int frame, int n, const int *numbers);
