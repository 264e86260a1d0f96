// The ESTET vector builder: pending vector records collected from
// "data_partbuild:" lines and sent by the read, and the dialog's group action.
#pragma once

#include "variables/orig_scalars.h"

#define VCT_NAME_LEN 20  // vector and component name bytes, NUL included

struct Dnewvct_rec {
  char name[VCT_NAME_LEN];  // "Vector_%d" until a name line sets it
  char x[VCT_NAME_LEN];     // component scalar names, empty for none
  char y[VCT_NAME_LEN];
  char z[VCT_NAME_LEN];
  int components[3];        // positions in the case's scalar list, -1 none
};

extern Dnewvct_rec *Dnewest_vct;     // Destnewvct_cnt pending records
extern int Destnewvct_cnt;
extern int Dvctallocneeded;          // 1: the next name or component line opens a record
extern char (*Destnewvct_scalars)[ORIG_SCALAR_LEN];  // the case's scalar names
extern int Destnewvct_nscalars;
extern int Dest_use_scalars[3];      // the dialog's chosen X, Y, Z positions, -1 none
extern int Dest_use_sclcnt;          // components chosen in the dialog

// Opens a record when one is needed or none is open. 1, or -1.
int datavctbld_chkalloc();
// A vector line of "data_partbuild:": which 0 name, 1..3 X..Z, 4 build.
// 1, or -1 after showing the refusal.
int datavctbld_line(int which, const char *text);
// Sends every pending record and records it. 1, or -1 at the first failure.
int datavctbld_proccmds();
// Frees the pending records (the read does so after sending them).
void datavctbld_release();
// Fetches the case's stored scalars into Destnewvct_scalars; as orig_avail_scalars.
int datavctbld_fetch_scalars();
// The dialog's group action with the vector name typed: the checks, the
// server's build and the lines. 1, or -1 after showing why (the choice
// stays).
int data_estvb_grpvct(const char *name);
