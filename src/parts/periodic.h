// Periodic symmetry instances.  Until the structure operations are built
// no frame is periodic and nothing is instanced; the instance set of a part
// is read from the table as it stands (an instance is a model part whose
// single child is its base part).
#pragma once

// The frame of a part when that frame is periodic, else -1.  Placeholder: -1.
int part_frame_periodic_check(int number);
// Makes the periodic instances of n parts of frame.  Placeholder: nothing.
void do_periodicity(int frame, int n, const int *numbers);

extern int Shared_border_removal;  // 1 (initial): servers remove the borders a base part shares with its instances
// The instance set of part number n: list receives n, then every model part
// that is not a group and whose single child is n, in table order (room for
// Num_p_loaded numbers); *count how many.  -1 with count 0 when n has no
// record, else 1.
int check_current_number_instances_for_part(int n, int *count, int *list);
