// Periodic symmetry instances.  Until the structure operations are built
// no frame is periodic and nothing is instanced; the instance set of a part
// is read from the table as it stands (an instance is a model part whose
// single child is its base part).
#pragma once

// The frame of a part when that frame is periodic, else -1.  Placeholder: -1.
int part_frame_periodic_check(int number);
// Makes or removes the periodic instances of the n listed parts of frame
// (the list is filtered in place).  0 done, else the failing status.
// Placeholder: 0, nothing made.
int do_periodicity(int frame, int n, int *numbers);
// 1 when defining frame with the 43 words attrs changes its parts' periodic
// instances, else 0.  Placeholder: 0.
int check_periodicity(int frame, const float *attrs);
// Has every connected server check a periodic match file: 0 good, 2 not
// opened, 3 not read, 5 bad header; *mismatch set when the file is not of
// *type; the file's type, translation and angle come back.  Placeholder: 2.
int check_match_file(const char *name, int *mismatch, int *type, float *dx, float *dy, float *dz,
                     float *angle);
// Mode 0 copies frame's match file name out, mode 1 stores it.  1, or -1
// when memory runs out.  Placeholder: empty names, nothing kept.
int periodic_match_file(int frame, char *name, int type, int mode);
// do_periodicity for part number n alone when its frame is periodic.
void periodicity_for_new_part(int n);
// 1 when periodic symmetry instances can be made in this build, else 0
// (frame changes that need instances or a match file are then refused).
int periodic_instances_available();

extern int Shared_border_removal;  // 1 (initial): servers remove the borders a base part shares with its instances
// The instance set of part number n: list receives n, then every model part
// that is not a group and whose single child is n, in table order (room for
// Num_p_loaded numbers); *count how many.  -1 with count 0 when n has no
// record, else 1.
int check_current_number_instances_for_part(int n, int *count, int *list);
