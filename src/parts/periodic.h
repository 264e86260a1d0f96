// Periodic symmetry instances: a frame with a mirror, rotational or
// translational symmetry shows every base part assigned to it together
// with instance parts that its case server builds.  A base part is a model
// or discrete-particle part, not a copy, without children; an instance is a
// model part that is not a group and whose single child is its base part.
#pragma once

#define MATCH_NAME_LEN 256

// The periodic match file of one frame.
struct Matcher_file_rec {
  int changed;                // 1 once a name was stored, until check_periodicity
  char name[MATCH_NAME_LEN];
};
extern Matcher_file_rec *Matcher_file;     // by frame number, grown on demand
extern int Matcher_file_count;             // records in Matcher_file
extern char Matcher_default_name[MATCH_NAME_LEN];  // for new frames (frame -1)

// The frame (slot 0) of part number into *frame; the part number when that
// frame is periodic, else -1.
int part_frame_periodic_check(int number, int *frame);
// Makes or removes the periodic instances of the n listed parts of frame
// (the list is filtered in place to the base parts).  0 done, else the
// failing status (5: not enough free part numbers; a server's status).
int do_periodicity(int frame, int n, int *numbers);
// The instancing itself: count parts wanted per base part (base included),
// kind 0 mirror or none, 1 rotational, 2 translational; mirror holds the 7
// mirror indexes.  0, 5 without enough part numbers, or a server's status.
int periodicity(float dx, float dy, float dz, float angle, float ox, float oy, float oz,
                const float *x_axis, const float *y_axis, const float *z_axis, int count,
                int kind, int m, const int *bases, const int *mirror, int frame);
// Regroups base part number base with its instances.
void periodic_group_update(int base);
// 1 when defining frame with the 43 words attrs changes its parts' periodic
// instances, else 0.
int check_periodicity(int frame, const float *attrs);
// Has every connected server check a periodic match file: 0 good, 2 not
// opened, 3 not read, 5 bad header; *mismatch set when the file is not of
// *type; the file's type, translation and angle come back.
int check_match_file(const char *name, int *mismatch, int *type, float *dx, float *dy, float *dz,
                     float *angle);
// Mode 0 copies frame's match file name out, mode 1 stores it (frame -1:
// the default for new frames).  1, or -1 when memory runs out.
int periodic_match_file(int frame, char *name, int type, int mode);
// do_periodicity for part number n alone when its frame is periodic.
void periodicity_for_new_part(int n);
// 1: periodic symmetry is built.
int periodic_instances_available();

extern int Shared_border_removal;  // 1 (initial): servers remove the borders a base part shares with its instances
// The instance set of part number n: list receives n, then every model part
// that is not a group and whose single child is n, in table order (room for
// Num_p_loaded numbers); *count how many.  -1 with count 0 when n has no
// record, else 1.
int check_current_number_instances_for_part(int n, int *count, int *list);
