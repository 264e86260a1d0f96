// The ESTET part loader: structured parts over a node range of the case's
// one IJK mesh, restricted to a domain, made by the server on "create estet
// part", and iblanked unstructured parts made from chosen structured
// parents. One routine per operation serves the dialog (flag 0: fields read
// and checked, lines recorded) and "data_partbuild:" (flag 1: the pending
// values, nothing recorded); the creations, the period's begin and end are
// declared in partbuild.h beside their command halves. The dialog is
// reached through Estet_loader_windep, which the Motif layer fills; with
// its members null the loader acts as if the dialog were not shown.
#pragma once

#include <string>
#include <vector>

// Text fields of the dialog.
enum Estet_field {
  EST_FANGLE = 0,       // feature angle
  EST_DESC = 1,         // structured part description
  EST_IBLANK_DESC = 2,  // iblank part description
  EST_RANGE = 3,        // nine fields: I From, To, Step, J ..., K ...
  EST_MINMAX = 12,      // six read-only fields: I Min, Max, J ..., K ...
  EST_FIELDS = 18
};
// Lists whose selection the loader reads.
enum Estet_list { EST_LIST_IBLANK_VALUES = 0, EST_LIST_IBLANK_PARENTS = 1 };

struct Estet_loader_windep_rec {
  int (*exists)();                                  // 1 when the dialog is built
  int (*shown)();                                   // 1 when it is built and shown
  void (*form_sensitive)(int on);                   // the creation form
  void (*domain_rows)(int inside_on, int outside_on, int shown);  // shown without callback
  int (*domain)();                                  // value of the shown "Domain" row
  void (*set_elemrep)(int rep);                     // shows the row, running its callback
  int (*elemrep)();                                 // value of the shown row
  void (*get_text)(int field, std::string *out);
  void (*set_text)(int field, const char *text);
  void (*selected)(int list, std::vector<int> *positions);  // 1-based, ascending
  void (*hide)();
  void (*show)();                                   // builds it on first use and shows it
};
extern Estet_loader_windep_rec Estet_loader_windep;

// The "Domain" rows a case's Bc_flag offers: whether "Inside" and "Outside"
// are sensitive and the value shown ("All" is always offered).
void estet_domain_rows(int bc_flag, int *inside_on, int *outside_on, int *shown);
// The refusal of a node range against the current case's mesh, or null
// when it is sound: From at least 1, To not below From nor beyond the
// mesh's extent, steps at least 1.
const char *estet_range_refusal(const int ijk[9], char *buf, size_t cap);
// Archive reset: the dialog back to its unread state.
void data_estetread_init();
