// The part table: one record per part of every case, found by part number
// through Part_cross, and the per-case data directories.  The records are
// heap blocks owned by the table; until the part subsystem creates records
// from the servers' replies the table is filled only by whoever builds it in
// place (tests do), and the queries below answer from whatever it holds.
#pragma once

#include "client/cases.h"

#define PATH_TEXT 255        // capacity of a per-case data directory, NUL included
#define MAX_PARTS 5000       // records in the table
#define MAX_PART_NUMBER 5000 // part numbers are 1 .. MAX_PART_NUMBER-1
#define PART_NAME_TEXT 80    // capacity of a part name (49 characters are shown)
#define PART_TYPES 18        // Part_type_code 0..17

// The fields of a part record that the part lists and their callers read.
struct Part_rec {
  char name[PART_NAME_TEXT];  // description shown in the lists, at most 49 characters used
  int copy_of;                // 0, or the number of the part this one copies
  int number;                 // part number 1..4999
  int case_index;             // case slot 0..15
  int type;                   // Part_type_code 0..16
  int element_count;          // elements held
  int node_count;             // nodes held
  int group;                  // 1 = group part (no geometry)
  int parent_group;           // -1 = top-level (a row of the lists), else its group's number
  int children_count;         // group: members; derived part: parts it was made from
  int *children;              // heap list of those part numbers, null when none
  int structured;             // 1 = structured (IJK) part
};

struct Part_dialog_rec {
  const char *name;  // part-kind name, "Model Parts"
  char letter;       // one-letter code shown in the lists; ' ' for "Multiple Parts"
};

extern Part_rec *parts[MAX_PARTS + 1];      // records 0..Num_p_loaded-1, null after the last
extern int Part_cross[MAX_PART_NUMBER];     // record index by part number, -1 = not in use
extern int Num_p_loaded;                    // part records in the part table, all cases, 0..5000
extern int Num_p_partlist;                  // top-level parts shown in the part lists
extern int Num_parts_cases[MAX_CASES];      // parts per case slot
extern const Part_dialog_rec Part_dialogs[PART_TYPES];  // indexed by Part_type_code

// Mode 1 stores path as the data directory of case slot case_index; mode 0
// copies the stored directory into path (capacity PATH_TEXT).
void which_path(int case_index, char *path, int mode);

// The n-th top-level part (kind other than 4) in table order: its number,
// type, name (at most 49 characters, terminated; room for 50), case and
// structured flag.  Kind 4 asks for the n-th frame instead.  1, or -1 when n
// is out of range.
int ui_part_get(int kind, int n, int *number, int *type, char *name, int *case_index,
                int *structured);
// For each part number the 0-based internal number of its row (a group
// member gets its group's); numbers that match no part leave out[i] alone.
void external_to_internal_part(const int *numbers, int count, int *out);
// Part_type_code of the loaded part with that number, or -1.
int get_part_type(int number);
// 1 when the part exists and is a group part, else -1.
int is_part_a_group(int number);
// The record of a part number, or null.
Part_rec *part_by_number(int number);
