// The generic part loader of the Case, Quivane 5 and user-defined formats:
// the part-build text every creation writes (and each new part keeps), the
// element representation new parts take, the structured range update and
// the iblank lists. The dialog's fields are reached through
// Generic_loader_windep, which the Motif layer fills; with its members null
// the loader acts as if the dialog were not shown. The creations themselves
// (data_generic_creatpart, data_generic_creatiblankpart) are declared in
// partbuild.h beside their command halves.
#pragma once

#include <functional>
#include <string>
#include <vector>

// Text fields of the dialog.
enum Generic_field {
  GEN_FANGLE = 0,      // feature angle
  GEN_DESC = 1,        // unstructured description
  GEN_ST_DESC = 2,     // structured description
  GEN_IBLANK_DESC = 3, // iblank part description
  GEN_RANGE = 4,       // nine fields: I From, To, Step, J ..., K ...
  GEN_MINMAX = 13,     // six read-only fields: I Min, Max, J ..., K ...
  GEN_FIELDS = 19
};
// Lists whose selection the loader reads.
enum Generic_list { GEN_LIST_PARTS = 0, GEN_LIST_IBLANK_VALUES = 1, GEN_LIST_IBLANK_PARENTS = 2 };

// Loader type codes of the shared iblank lists.
#define LOADER_PLOT3D 1
#define LOADER_ESTET 4
#define LOADER_GENERIC 10

struct Generic_loader_windep_rec {
  int (*shown)();                                  // 1 when the dialog exists and is shown
  int (*structured)();                             // 1 when "Unstructured Data" is not set
  void (*show_kind)(int structured);               // toggles (no callbacks) and sections
  void (*set_parts)(const std::vector<std::string> &items);
  void (*selected)(int list, std::vector<int> *positions);  // 1-based, ascending
  void (*set_elemrep)(int rep);                    // shows the row, running its callback
  int (*elemrep)();                                // value of the shown row
  void (*get_text)(int field, std::string *out);
  void (*set_text)(int field, const char *text);
  void (*range_sensitive)(int on);                 // the six From and To fields
  int (*domain)();                                 // value of the shown "Domain" row
  void (*domain_rows)(int inside_on, int outside_on, int shown);  // shown without callback
  void (*hide)();
};
extern Generic_loader_windep_rec Generic_loader_windep;

// The iblank lists of the loaders (type codes above): which 0 the iblank
// values, 1 the parents. exists answers whether the list is built; set
// replaces its entries. Null until the Motif layer sets them.
extern int (*Data_iblank_list_exists)(int loader, int which);
extern void (*Data_iblank_list_set)(int loader, int which, const std::vector<std::string> &items);

// ---- the part-build text (Data_pbuildcmds) ---------------------------------------
// Empties the text and forgets its placeholders.
void pbuildcmds_clear();
// Appends one line; 0, or -1 after the allocation message.
int pbuildcmds_add(const char *line);
// Appends the selection placeholder (ten blanks) / the three range
// placeholders of a structured creation of several parts.
int pbuildcmds_add_selection();
int pbuildcmds_add_ranges();
// Fills the k-th selection placeholder with value ("%10d").
void pbuildcmds_fill_selection(int k, int value);
// Fills the range placeholders with "1 %d" of the three dimensions.
void pbuildcmds_fill_ranges(const int dims[3]);

// ---- dialog-side rules ------------------------------------------------------------
// Element representation of new parts from the dialog's menu and angle.
void data_generic_elemrep_apply();
// Puts the remembered element representation back into the model defaults.
void data_reset_partelemrep();
// The structured range update on a change of the part list's selection.
void data_generic_zoneinit();
// Fills the iblank values / parent list of a loader (1, 4 or 10).
void data_structiblankitems_refresh(int loader);
void data_structiblankparent_refresh(int loader);
// The defaults remembered by the last initialisation.
extern int Loader_saved_elemrep;
extern float Loader_saved_fangle;

// ---- pieces every loader's creation uses ------------------------------------------
// The lines of one creation. From the dialog (dialog true) they are held and
// recorded together by flush once the creation's checks passed, so a refused
// creation leaves nothing in the record that a replay would act on.
struct Creation_lines {
  bool dialog;
  std::vector<std::string> held;
  void record(const std::string &line) {
    if (dialog) held.push_back(line);
  }
  // Holds and appends one line; false when the text cannot grow.
  bool both(const std::string &line) {
    record(line);
    return pbuildcmds_add(line.c_str()) == 0;
  }
  void flush();
};
// "data_partbuild: " and rest.
std::string pbuild_line(const char *rest);
// The keyword of an option value of a "data_partbuild:" keyword ("" none).
const char *pbuild_option_word(int cmd_id, int value);
// The recorded selection lines: the numbers as " %d ", sixteen to a line.
void pbuild_record_selection(Creation_lines &out, const std::vector<int> &numbers);
// The appended selection: begin, one placeholder each, end; false when the text cannot grow.
bool pbuild_append_selection(int placeholders);
// 1 when s holds only blanks and digits.
bool pbuild_blanks_and_digits(const std::string &s);
// The iblank value names of the current case, or false after showing message.
bool pbuild_iblank_names(std::vector<std::string> *out, const char *message);
// fn(number, name) for each main-list entry of the current case that is
// structured, in list order; who names the caller in the console line of a
// bad entry.
void pbuild_each_structured_entry(const char *who, const std::function<void(int, const char *)> &fn);
// Sets the model defaults' representation (and, for 2, the angle) where they
// differ, recording "part: select_default" and the changed attributes.
void data_loader_elemrep_change(int rep, float angle);
// The parents at the selected positions of an iblank parent list (the
// current case's structured main-list entries), their recorded selection
// and their appended placeholders; false after showing why.
bool pbuild_pick_parents(const std::vector<int> &positions, const char *who, Creation_lines &lines,
                         std::vector<int> *parents);
// Has the server make the iblanked parts of parents under the working
// cursor text, then writes "create_iblank" and gives each new part the text
// with every parent's number. 0, or -1 after the failure message.
int pbuild_make_iblank(bool dialog, const std::vector<int> &parents, int type, char *desc,
                       const char *cursor);
