// The logic of the quick-edit part panel and of the Displace panel: every
// icon change of one attribute of the main list's selected parts (or, with
// nothing selected, of the defaults of every part type) goes through
// qeditgenpart_attr_apply into part_apply; the transparency slider sets its
// parts directly while dragged and applies on release; the notes the panel
// shows are asked of the Motif layer through Qedit_part_windep.
#pragma once

#include <vector>

extern int Default_partedit_notify;        // 1 = show the default-edit note (initially)
extern int Qedit_gvsp_notify;              // 1 = show the global-versus-part note (initially)
extern int Qeditpart_need_partlistreinit;  // 1 = the slider takes the selection again
extern int Qeditpartintr_part_cnt;         // parts the slider is moving
extern int *Qeditpartintr_part_list;       // their numbers (heap), or null

// What the logic asks of the panel's widgets; null entries do nothing.
struct Qedit_part_windep_hooks {
  void (*default_note)();                 // shows "Information - Editing Part Defaults"
  void (*gvsp_note)();                    // shows "Global View vs. Part Specific Information"
  void (*noderep_init)(int part, int given);  // refills the node popup when it is up
};
extern Qedit_part_windep_hooks Qedit_part_windep;

// The main list's selected part numbers into *list: 1 with a selection,
// else 0 with the one entry -2 (the defaults of every part type).
int qedit_selection_or_all_defaults(std::vector<int> *list);

// Applies one change of slot (value; extra: the angle for representation
// 2) to the selection or the defaults, records it; 1, or -1 when refused.
int qeditgenpart_attr_apply(int slot, float value, float extra, int spare);
// A two-state icon switched to state: slot takes it.  global is the scene's
// own setting of the same kind (-1 none): switching on while it is off shows
// the global-versus-part note.  1, or -1 when refused.
int qedit_part_flip(int slot, int state, int global);
// The feature angle typed at the prompt (default: the selection's common
// angle, else 10.0), or -1.0 when cancelled or empty.
float part_featureangle_prompt();

// Slider of the transparency popup moved to value (0..100): the first
// movement after a release takes the selection ("Must have a part
// selected. ..." and -1 when none, until the release); slot 44 of those
// parts is set to value / 100, unrecorded, and the scene redrawn.  1 or -1.
int qedit_parttranspslider_movmnt(int value);
// Slider released: the text is applied (recorded) and the parts forgotten.
void qedit_parttranspslider_release(const char *text);
// Transparency typed: a non-empty text becomes slot 44 of the selection.
int qedit_parttransp_text_apply(const char *text);
// The per-viewport picker's working mask becomes slot 2 of the selection.
void qedit_partviewportvis_chng();

// Displace panel: value 1 takes the variable of table row var_row (selected
// is how many variables the panel's list has selected), 0 none, as slot 22
// of the selection or of all defaults.  1, or -1 after an error box.
int intrdisplace_by_chng(int value, int selected, int var_row);
// The factor typed (atof; not a number gives 0) as slot 23.
int intrdisplace_factor_chng(const char *text);
