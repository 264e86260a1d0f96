// The part detailed editor's logic: its part list (rows and row map), the
// working selection it edits (one part, several parts or the defaults of
// the editor's part type), the dialog side of the pending change
// (Part_wrking_*), immediate mode and Apply Changes, and the list
// operations the main list's menus share with it.  The widgets live in
// parts/ui; this module reaches them only through Part_detedit_windep.
#pragma once

#include <string>
#include <vector>

#include "parts/part_list_ops.h"

#define PART_ATTR_SLOTS 108  // slots of a part's pending attribute vector
#define PART_ROUT_ROWS 17    // part types 0..16 that have routines

extern int Deted_part_mapcnt;            // its row count
extern int *Deted_partlist_to_internal;  // by row position from 1: position among the
                                         // top-level parts (frame index when the editor
                                         // shows frames); null while the list is empty
extern int Part_dlog_current;            // part type the parts section shows (4 = frames)
extern int Part_listbytype;              // 1 = the editor's list shows only the current case, 0 all

extern float Part_wrking_attr[PART_ATTR_SLOTS];     // pending attribute values
extern int Part_wrkingchng_flags[PART_ATTR_SLOTS];  // 1 = that slot was changed, else 0
extern int Part_wrkingchng_desc_flag;               // 1 = the description was changed

// The routines of one part type, a row of Part_rout (part_apply.cpp).
struct Part_rout_rec {
  // Fills the type's creation section and every attribute section from an
  // attribute array and a description.
  void (*init)(float *attr, char *desc);
  // Validates pending values (slot, or 108 for all): non-zero when all
  // pass, 0 after an error box.
  int (*check_values)(int slot, int *flags, float *values);
  // Makes the new parts; sets Part_create_error to 1 when it made nothing.
  void (*create)(int defaults_flag, int count, int *numbers, float *base, float *values,
                 char *desc, char *creation, int *flags, int from_command);
  // Takes one changed creation field (slot, its values) into the dialog-side pending change.
  void (*apply_attr)(int slot, float *values);
  // Removes the "changed" marks of the creation fields whose flag is 1.
  void (*clear_changes)(float *attr, int *flags);
};
extern Part_rout_rec Part_rout[PART_ROUT_ROWS];  // by Part_type_code

// Controls of the editor whose sensitivity the logic sets.
enum {
  DETED_CREATE = 0,       // "Create"
  DETED_UPDT_PARENT = 1,  // "Update Parent"
  DETED_ACTIVE = 2,       // "Active"
  DETED_CREATE_FORM = 3,  // the whole creation section form
  DETED_APPLY = 4         // "Apply Changes"
};

// What the logic asks of the editor's widgets; the Motif layer sets them.
// With a null entry the editor counts as absent.
struct Part_detedit_windep_hooks {
  int (*up)();                                  // 1 while the editor exists and is managed
  void (*list_fill)(int n, const char *const *rows);  // replaces the list's rows
  // Selects list rows (from 1); keep 0 deselects every row first.
  void (*list_select)(int keep, int n, const int *rows);
  void (*sensitive)(int control, int on);       // DETED_* control
  // Fills "Desc" and every attribute section (the section initialisers).
  void (*sections_init)(const float *attr, const char *desc);
  // Fills the model creation section (slots 63..74) and shows it.
  void (*model_sect_init)(const float *attr, int structured);
  void (*clear_marks)(const int *flags, int desc_flag);  // general controls
  void (*model_clear_marks)();                  // the nine range fields
  void (*show_parents)(int count, const int *numbers);   // main list's parent marks
  void (*part_show)();                          // redraws the Selected Part(s) window
  void (*main_select)();                        // mainprt_list_select(1)
  // selected_parts of the part lists (0 main, 2 the editor's): 1 when rows are selected.
  int (*selection)(int code, int *count, int **internal, int **numbers);
};
extern Part_detedit_windep_hooks Part_detedit_windep;

// Type letters of the list rows, by Part_type_code (blank for multiple parts).
extern const char Part_dialog_letter[18];

// Reloads the editor's working selection from the given rows of its list
// (ignored, ignored, rows from 1, count; no rows: the type defaults) and
// refills the editor.  Pending change flags and marks are dropped.
void part_detedit_refresh(int, int, const int *rows, int count);
// Fills the editor for a working selection (count, internal from 1, numbers).
void part_detedit_reinit(int count, const int *internal, const int *numbers);
// Refreshes the editor's part list in its listing mode (no list yet: nothing).
void part_list_refresh();
// Rebuilds the rows of every listed part of the editor's type (by_case:
// only those of case_index); the row texts, the map rebuilt.  -1 when the
// map cannot be allocated.
int part_list_rows(int by_case, int case_index, std::vector<std::string> *rows);
// Selects in the editor's list the rows of the given part numbers.
void part_select_detedpartseid(int keep, int count, const int *numbers, int refresh);
// Apply Changes of the parts section (button's client data, callback data).
void part_detedit_apply(void *client, void *call);
// Applies the pending change to the working selection (first argument ignored).
void part_detedit_apply_from(int, int from_command);
// Applies the working change (values, flags, description and, with
// with_creation, the creation description) to the working selection; the
// working flags are cleared.
void part_detedit_apply_working(int from_command, int with_creation);
// Removes the "changed" marking of every flagged field when the section is up.
void part_clear_changeindicators(int *flags, int desc_flag);
// Shows the creation subsection of feature 2..12's part type.
void part_manage_create_sect(int feature);
// Apply Changes insensitive while immediate modification is on (not in subsets).
void part_immedmode_change();

// Stores, checks and (immediate mode) applies one change of slot.
void part_genattr_apply(int slot, float *values);
// Stores and (immediate mode) applies a new description.
void part_desc_chng(const char *text);
// Applies the viewport picker's working mask to slot 2.
void part_viewportvis_chng();
// The picker's working viewport mask: mode 0 reads it into *mask, 1 sets it.
void part_viewport_mask(float *mask, int mode);
// flag 0 copies the working slots out into array, 1 copies array in; both
// copy the working description into desc (50 bytes) when desc is given.
void part_wrking_attributes(float *array, char *desc, int flag);
// Brings the part user interface up to date after commands and failures.
void part_detedit_ui_refresh();
// After a creation of type: lists refreshed (refresh_lists), new parts selected and recorded.
void part_refresh_after_create(int type, int refresh_lists);
// Marks the variable menus of the part dialogs for rebuilding; 1.
int part_var_updtneeded();
// 1 for each menu (0 creation variable, 1 colour by, 2 node variable,
// 3 displace by) whose entries must be rebuilt; read clears it.
int part_var_menu_rebuild(int menu);
// Groups replaced by their members (one level); the count written to out.
int part_expand_groups_to_realids(const int *numbers, int count, int *out);
// Fills the description and every attribute section: the init routine of
// part types whose creation section is not built.
void part_detedit_sections_init(float *attr, char *desc);

// Variable kinds of the editor's variable menus.
enum {
  PVAR_SCALARS = 0,      // active scalars
  PVAR_VECTORS = 1,      // active vectors
  PVAR_COLORBY = 2,      // active scalars, vectors, coordinates and time
  PVAR_CREATE_SVC = 3,   // scalars, vectors and coordinates (contours, isosurfaces)
  PVAR_CREATE_SV = 4,    // scalars and vectors (profiles, elevated surfaces)
  PVAR_TENSORS = 5,      // tensors
  PVAR_ALL = 6           // every active variable
};
// For a node size-by mode 1..5, the id of the first active variable of its
// kind (scalars for 1, vectors for 2..5) into *variable; other modes leave
// it.  1, or -1 after the error box when no such variable is active.
int part_nodesizeby_first_variable(int mode, float *variable);
// Rows of Variables listed by a kind, in table order.
std::vector<int> part_var_rows(int kind);
// The kind the creation "Variable" menu lists for a part type.
int part_createvar_kind(int type);

// One new viewport for all selected parts (1) or one per part (0).
void part_createassign_viewports(int single);
// Cuts the selected parts with the clip tool: 0 split, 1 remove.
void mainpart_cut_parts(int remove);
