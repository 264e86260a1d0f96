// Part creation on a case's server: the create requests of each reader
// format, the markers that open and close a build, the IJK range of a
// structured part, and the vector combination of the ESTET reader. Every
// request works on the current case (Case_num) and its channel.
//
// A reply is checked before anything is made from it: a count above what
// was asked, arrays of another length, new numbers outside 1..4999 or
// already in use, and zones or ids the case does not hold are refused (5 or
// -1) with the rest of the reply drained, so the channel stays in step.
#pragma once

#define IJK_VALUES 9  // I min, max, step, J min, max, step, K min, max, step

extern int Num_p_loaded_at_build;  // Num_p_loaded when the current build began

int read_n3s_part(int selector, int n, const int *codes, const char *name, int *new_part);
int read_estet_part(const int range[IJK_VALUES], int max_i, int max_j, int max_k, int domain,
                    const char *name, int *new_part);
// One part per zone (zones from 1), its number at the zone's position in
// new_parts (left as it was for a zone whose part was not made); 0, the
// server's status, or -1 for a zone the case does not hold (nothing sent).
int read_plot3d_part(const int range[IJK_VALUES], int domain, const char *name, int nzones,
                     const int *zones, int *new_parts);
// ids are Pbuild_rec ids of the current case. 0, the server's status, or 5.
int read_quivane_parts(int n, const int *ids, const char *name, const int range[IJK_VALUES],
                       int domain, int *new_parts);
int read_userd_parts(int n, const int *ids, const char *name, const int range[IJK_VALUES],
                     int domain, int *new_parts);

void start_n3s_part_create();
void start_estet_part_create();
void start_plot3d_part_create();
void start_quivane_part_create();
void start_userd_part_create();
int stop_n3s_part_create();
void stop_estet_part_create();
void stop_plot3d_part_create();
void stop_quivane_part_create();
void stop_userd_part_create();

// "update struct parts" for the part at index; the server's reply (1 =
// updated), 0 for a part that is not active (nothing sent), -1 on failure.
int update_structured_parts(int index);
// Mode 1 stores the twelve values in slots 63..74 and marks the part
// structured; mode 0 reads them back (-1 for an unstructured part). 1, or -1
// for a number without a part.
int ijk_range_part(int number, int *imin, int *imax, int *jmin, int *jmax, int *kmin, int *kmax,
                   int *istep, int *jstep, int *kstep, int *maxi, int *maxj, int *maxk,
                   int mode);
// The domain text of generated names: "(IN), ", "(OUT), " or "(ALL), ".
const char *domain_text(int domain);
// "combine to vector": 1 when the server made it, else -1.
int combine_to_vector(const int positions[3], const char *name);
int finish_vector_combine();

// Hooks of the subsystems that act when a build closes; set by them, null
// while they do nothing. newpart_results loads the active results of the
// parts made since `from` (a table index).
extern int (*Data_active_results_exist)();
extern void (*Data_newpart_results)(int from);
