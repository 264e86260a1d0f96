// The ESTET part loader: structured parts over a node range of the case's
// one IJK mesh, restricted to a domain, made by the server on "create estet
// part", and iblanked unstructured parts made from chosen structured
// parents. One routine per operation serves the dialog (flag 0: fields read
// and checked, lines recorded) and "data_partbuild:" (flag 1: the pending
// values, nothing recorded); the creations, the period's begin and end are
// declared in partbuild.h beside their command halves. The dialog is
// reached through Estet_loader_windep, numbered as the generic loader's
// (GEN_ST_DESC the structured description, GEN_LIST_IBLANK_* its lists),
// and Estet_loader_extras; with their members null the loader acts as if
// the dialog were not shown.
#pragma once

#include "data/generic_loader.h"

// What the ESTET dialog has beyond the generic loader's hooks.
struct Estet_loader_extras_rec {
  int (*exists)();                 // 1 when the dialog is built
  void (*form_sensitive)(int on);  // the creation form
  void (*show)();                  // builds it on first use and shows it
};
extern Generic_loader_windep_rec Estet_loader_windep;
extern Estet_loader_extras_rec Estet_loader_extras;

// The "Domain" rows a case's Bc_flag offers: whether "Inside" and "Outside"
// are sensitive and the value shown ("All" is always offered).
void estet_domain_rows(int bc_flag, int *inside_on, int *outside_on, int *shown);
// Archive reset: the dialog back to its unread state.
void data_estetread_init();
