// The case table: one slot per loaded case, the slot being the case's
// identity for the per-case arrays of every other module. Adding and
// replacing a case start its own server; replacing and deleting remove the
// case's parts and stop its server. Every operation takes from_command:
// nonzero for a command line or the archive reader (nothing is asked or
// recorded, a failure sets Command_proc_err), 0 for the interface.
#pragma once

#define MAX_CASES 16
// Initialiser of a per-case array whose every slot starts at v.
#define EVERY_CASE(v) {v, v, v, v, v, v, v, v, v, v, v, v, v, v, v, v}
static_assert(MAX_CASES == 16, "EVERY_CASE lists one value per case slot");
#define CASE_NAME_LEN 20  // bytes of a case name with its NUL: at most 19 characters
#define CASE_TMP_LEN 255

struct Case_rec {
  int active;                // 1 = the slot holds a case, 0 = free
  char name[CASE_NAME_LEN];  // case name, at most 19 characters, NUL-terminated; empty when free
};

extern Case_rec Case_info[MAX_CASES];    // indexed by case slot 0..15
extern int Case_num;                     // slot of the current case
extern int Case_cnt;                     // number of slots in use, 1..16
extern char Case_tmp_buf[CASE_TMP_LEN];  // name handed to add/replace/delete by a command or archive
extern int Case_archive_restore;         // 1 while the archive reader re-creates cases: add keeps Case_num

// Adds a case: its position in the Case menu (callers judge failure by
// Command_proc_err).
int case_add(int from_command);
// Replaces the current case (interactive) or the case in Case_num (command).
int case_replace(int from_command);
// Deletes the current case (interactive) or the case in Case_num (command).
int case_delete(int from_command);
// Makes slot current; 1, or -1 with "Case selected does not exist." for a
// free slot. Unless quiet the select line goes to the recorder and the
// case-dependent interface is refreshed.
int case_select(int slot, int quiet);
// Selects the case named name; its position, or -1 when no slot has it.
int case_select_byname(const char *name, int from_command);
// Slot of the case in use named exactly name, or -1.
int chkcase_name(const char *name);
// Slot whose stored name equals name (free slots included), or -1.
int caseindx_by_name(const char *name);
// Slot of the case at a 1-based position (rank among the slots in use); -1 none.
int case_list_to_tblindex(int position);
// 1-based position of a slot in use (its rank among the slots in use); -1 when free.
int case_tblindex_to_list(int slot);
// Brings the case-dependent interface up to date for Case_num.
void case_refresh();
// Refresh function of the "case:" category.
void case_ref(int cat_index);
// The Case menu's viewport picker changed the current case's mask.
void case_viewportvis_chng();
// Records "case: viewports" with the viewports in use whose bit is set in
// mask; the line, as handed to the recorder.
void case_viewportvis_line(unsigned mask, char *line, int size);
int case_viewportvis_rec(unsigned mask);

// What the case logic has the screen refresh after the case table changed.
// The Motif layer sets the entries when it builds the main window; a null
// entry has nothing to refresh.
struct Case_windep_hooks {
  void (*case_list)();                            // Case menu radio items follow the table
  void (*case_select)(int position, int notify);  // Case menu item at position (from 1) set
  void (*viewport_visibility)(int slot);          // per-viewport visibility of the case
  void (*part_list)(int case_changed);            // main part list (case_changed: listing by case)
  void (*data_section)();                         // data section of the File Selection dialog
  void (*query_menus)();                          // Query Dataset dialog and Show Information entries
  void (*hide_reader_dialogs)();                  // the reader dialogs of the previous case
};
extern Case_windep_hooks Case_windep;
