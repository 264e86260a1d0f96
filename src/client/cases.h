// The case table: one slot per loaded case, the slot being the case's
// identity for the per-case arrays of every other module.
#pragma once

#define MAX_CASES 16

struct Case_rec {
  int active;     // 1 = the slot holds a case, 0 = free
  char name[20];  // case name, at most 19 characters, NUL-terminated; empty when free
};

extern Case_rec Case_info[MAX_CASES];  // indexed by case slot 0..15
extern int Case_num;                   // slot of the current case
extern int Case_cnt;                   // number of slots in use, 1..16
