// Part table (see read.h).  Owns parts, Part_cross and the counters; the
// part subsystem's creation and deletion keep them in step, and everything
// here only reads them.
#include "parts/read.h"

#include <cstdio>
#include <cstring>

#include "view/frames.h"
#include "client/defaults.h"

Part_rec *parts[MAX_PARTS + 1];
int Part_cross[MAX_PART_NUMBER];
int Num_p_loaded = 0;
int Num_p_partlist = 0;
int Num_parts_cases[MAX_CASES];
static const Global_defaults Start_values(DEFAULTS_AT_START, Num_parts_cases);
static const Global_defaults Reset_values(DEFAULTS_AT_RESET, Num_p_loaded, Num_p_partlist);

const Part_dialog_rec Part_dialogs[PART_TYPES] = {
    {"Model Parts", 'M'},      {"Clips", '2'},           {"Contours", 'C'},
    {"Discrete Particles", 'X'}, {"Frames", 'F'},        {"Isosurfaces", 'I'},
    {"Particle Traces", 'T'},  {"Profiles", 'P'},        {"Vector Arrows", 'V'},
    {"Elevated Surfaces", 'E'}, {"Developed Surfaces", 'D'}, {"Model Extract", 'M'},
    {"Model Cut", 'M'},        {"Model Boundary", 'M'},  {"Isovolume", 'I'},
    {"Subset Parts", 'S'},     {"Tensor Glyphs", 'G'},   {"Multiple Parts", ' '},
};

static char Data_path[MAX_CASES][PATH_TEXT];  // data directory per case slot, empty = none

// No part number is in use before the first part is made.
static int cross_reset() {
  for (int &i : Part_cross) i = -1;
  return 1;
}
static int Cross_ready = cross_reset();

void which_path(int case_index, char *path, int mode) {
  if (case_index < 0 || case_index >= 16 || !path) return;
  if (mode == 1)
    snprintf(Data_path[case_index], PATH_TEXT, "%s", path);
  else if (mode == 0)
    snprintf(path, PATH_TEXT, "%s", Data_path[case_index]);
}

Part_rec *part_by_number(int number) {
  (void)Cross_ready;
  if (number < 1 || number >= MAX_PART_NUMBER) return nullptr;
  int i = Part_cross[number];
  if (i < 0 || i >= Num_p_loaded) return nullptr;
  return parts[i];
}

static bool top_level(const Part_rec *p) { return p && p->parent_group == -1; }

int ui_part_get(int kind, int n, int *number, int *type, char *name, int *case_index,
                int *structured) {
  if (kind == 4) return frame_get(n, number, name);
  if (n < 0 || n >= Num_p_partlist) return -1;
  int seen = -1;
  for (int i = 0; i < Num_p_loaded; i++) {
    const Part_rec *p = parts[i];
    if (!top_level(p) || ++seen != n) continue;
    if (number) *number = p->number;
    if (type) *type = p->type;
    if (name) snprintf(name, 50, "%.49s", p->name);
    if (case_index) *case_index = p->case_index;
    if (structured) *structured = p->structured;
    return 1;
  }
  return -1;
}

// Internal number of the row showing part number (its group's row for a member), or -1.
static int internal_of(int number) {
  const Part_rec *p = part_by_number(number);
  if (p && !top_level(p)) p = part_by_number(p->parent_group);
  if (!p) return -1;
  int seen = -1;
  for (int i = 0; i < Num_p_loaded; i++) {
    if (!top_level(parts[i])) continue;
    seen++;
    if (parts[i] == p) return seen;
  }
  return -1;
}

void external_to_internal_part(const int *numbers, int count, int *out) {
  for (int i = 0; i < count; i++) {
    int internal = internal_of(numbers[i]);
    if (internal >= 0) out[i] = internal;
  }
}

int get_part_type(int number) {
  const Part_rec *p = part_by_number(number);
  return p ? p->type : -1;
}

int is_part_a_group(int number) {
  const Part_rec *p = part_by_number(number);
  return p && p->group ? 1 : -1;
}
