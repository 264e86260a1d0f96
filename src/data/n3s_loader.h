// The N3S part loader: parts of all elements, of one colour number, or of
// one boundary condition restricted to chosen boundary codes, made by the
// case's server on "create n3s part". One routine per operation serves the
// dialog (flag 0: the dialog's choice read and checked, lines recorded) and
// "data_partbuild:" (flag 1: the pending values, nothing recorded). The
// dialog is reached through N3s_loader_windep, which the Motif layer fills;
// with its members null the loader acts as if the dialog were not shown.
#pragma once

#include <string>
#include <vector>

#define N3S_CODES 6  // rows of the N3S boundary-code table

// Boundary code names by code; "Friction Condition" names both 3 and 4.
// Also read by the "data_partbuild:" processor.
extern const char *const N3scode_names[N3S_CODES];

// The name of a boundary code, "?" for a code the table does not hold.
const char *n3s_code_name(int code);
// The current case's name of boundary condition number cond (from 1), "?"
// for a number outside the twenty names.
const char *n3s_condition_name(int cond);

// The dialog's criterion toggles and lists.
enum N3s_criterion { N3S_ALL = 0, N3S_COLOR = 1, N3S_BOUNDARY = 2 };
enum N3s_list { N3S_LIST_COLORS = 0, N3S_LIST_CONDITIONS = 1, N3S_LIST_CODES = 2 };

struct N3s_loader_windep_rec {
  int (*shown)();                                   // 1 when the dialog exists and is shown
  void (*form_sensitive)(int on);                   // the creation form
  int (*criterion)();                               // the set toggle (N3s_criterion)
  void (*set_list)(int list, const std::vector<std::string> &items);
  void (*lists_sensitive)(int colors, int boundary);  // colour list / condition and code lists
  void (*select_condition)(int position);           // selects (from 1), running its callback
  void (*selected)(int list, std::vector<int> *positions);  // 1-based, ascending
  void (*get_desc)(std::string *out);
  void (*set_desc)(const char *text);
  void (*hide)();
  void (*show)();                                   // builds it on first use and shows it
};
extern N3s_loader_windep_rec N3s_loader_windep;

// The entries of the code list for the condition at list position (from
// 1): "%2d %s" with each code and its name.
std::vector<std::string> n3s_code_items(int position);
// Fills the dialog's code list for the condition at position.
void data_n3sboundcode_init(int position);
// Sets the lists' sensitivity from the set toggle.
void data_n3s_lists_sens();
// The default description of a boundary part: the condition's name and as
// many codes as fit in 48 characters.
std::string n3s_boundary_desc(const char *condition, const std::vector<int> &codes);
