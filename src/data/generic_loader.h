// The generic part loader of the Case, Quivane 5 and user-defined formats:
// the part-build text every creation writes (and each new part keeps), the
// element representation new parts take, the structured range update and
// the iblank lists. The dialog's fields are reached through
// Generic_loader_windep, which the Motif layer fills; with its members null
// the loader acts as if the dialog were not shown. The creations themselves
// (data_generic_creatpart, data_generic_creatiblankpart) are declared in
// partbuild.h beside their command halves.
#pragma once

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
// placeholders of a structured creation of several parts, on the lines of
// keyword "_i", "_j" and "_k" ("noderange", "plot3dnoderange").
int pbuildcmds_add_selection();
int pbuildcmds_add_ranges(const char *keyword);
// Fills the k-th selection placeholder with value ("%10d").
void pbuildcmds_fill_selection(int k, int value);
// Fills the range placeholders with "1 %d" of the three dimensions.
void pbuildcmds_fill_ranges(const int dims[3]);

// ---- what the loaders share ------------------------------------------------------
// The lines of one creation: the dialog path holds them back and records
// them together once its checks pass; both paths append them at once.
struct Creation_lines {
  bool dialog;                    // 1 from a dialog: lines are recorded
  std::vector<std::string> held;  // lines waiting for flush
  void record(const std::string &line) {
    if (dialog) held.push_back(line);
  }
  // Records and appends one line; false when the text cannot grow.
  bool both(const std::string &line);
  void flush();
};
// "data_partbuild: " and rest.
std::string pbuild_line(const char *rest);
// The keyword of an option value of a "data_partbuild:" keyword ("" none).
const char *pbuild_option_word(int cmd_id, int value);
// Records begin, the numbers as " %d " sixteen to a line, and end.
void pbuild_record_selection(Creation_lines &out, const std::vector<int> &numbers,
                             const char *begin = "select_begin", const char *end = "select_end");
// Appends begin, placeholders selection placeholders and end.
bool pbuild_append_selection(int placeholders, const char *begin = "select_begin",
                             const char *end = "select_end");
bool pbuild_blanks_and_digits(const std::string &s);
// The iblank value names of the current case, or false after showing message.
bool pbuild_iblank_names(std::vector<std::string> *out, const char *message);
// Sets the model defaults' representation (and, for 2, the angle) where they
// differ, recording "part: select_default" and the changed attributes.
void data_loader_elemrep_change(int rep, float angle);
// A dialog's text field, and its new text.
std::string loader_field(const Generic_loader_windep_rec &w, int f);
void loader_set_field(const Generic_loader_windep_rec &w, int f, const char *text);
// A description field taken for a creation: cut to 49 characters and emptied.
void take_description(const Generic_loader_windep_rec &w, int f, char *desc);
// Checks an IJK range against the maxima dims / its steps; -1 after the
// message ("Minimum value must be >= 1.", "Step values must be >= 1.", ...).
int check_range(const int ijk[9], const int dims[3]);
int check_steps(const int ijk[9]);
// Reads the six From and To fields (checked against dims) / the three
// Step fields into ijk and rewrites them "%6d"; false after the message
// (for a Step field holding more than digits and blanks, message).
bool read_from_to(const Generic_loader_windep_rec &w, const int dims[3], int ijk[9]);
bool read_steps(const Generic_loader_windep_rec &w, int ijk[9], const char *message);
// Reads all nine range fields as typed (none rewritten); false after
// message when one holds more than digits and blanks.
bool read_range_fields(const Generic_loader_windep_rec &w, int ijk[9], const char *message);
// Shows 1 and dims in the From/To and Min/Max fields.
void loader_show_range(const Generic_loader_windep_rec &w, const int dims[3]);
// The "Domain" rows a shared_iblank_options code leaves, and the row shown.
void loader_show_domains(const Generic_loader_windep_rec &w, int code);
// The element representation rule of a creation from the dialog.
void loader_elemrep_apply(const Generic_loader_windep_rec &w);
// Shows the model defaults' representation and angle and remembers them.
void loader_show_elemrep(const Generic_loader_windep_rec &w);
// The part numbers of the structured parent-list positions (1-based, ascending).
std::vector<int> structured_parents_at(const char *who, const std::vector<int> &positions);
// Closes a loader's build period (flag 1: "end" of the commands).
void loader_dismiss(const Generic_loader_windep_rec &w, int flag, void (*stop)());
// How one loader makes iblanked parts.
struct Loader_iblank_rec {
  int values_first;         // the dialog checks the value list before the names
  const char *type_line;    // command path: a line after the description, or null
  const char *cursor;       // working-cursor text
  const char *who;          // console name of a bad list entry
  const char *names_error;  // command path: the message when the names cannot be had
  void (*pending)(int *type, std::vector<int> *parents, char *desc);  // command path values
};
// Has the server make the iblanked parts of parents under the working
// cursor text, then writes "create_iblank" and gives each new part the text
// with every parent's number. 0, or -1 after the failure message.
int pbuild_make_iblank(bool dialog, const std::vector<int> &parents, int type, char *desc,
                       const char *cursor);
// An iblanked creation from the dialog (flag 0) or the commands (1).
void loader_creatiblankpart(const Generic_loader_windep_rec &w, int flag, const Loader_iblank_rec &how);

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
