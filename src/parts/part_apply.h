// The one pipeline through which parts are made and changed: part_create
// checks a pending set of attribute values and has the part type's own
// create routine (Part_rout) make the new parts; part_apply checks a
// pending attribute change, applies it through modatr to a list of parts
// (groups expanded) or to the defaults of a part type, records it and
// refreshes the lists and the graphics.  It owns the command side of the
// pending change (Part_mod_*, Cmd_part_wrking_*) and the dialog side's
// description, creation text and part list; the dialog side's values and
// flags live with the detail editor (part_deteditor.h).
#pragma once

#include "parts/part_deteditor.h"

#define PART_DESC_TEXT 50  // pending description: 49 characters and the NUL
#define QUIVANE_ERRBUF 256  // the error buffer a failed modatr may fill

// Sources of a change handed to part_apply.
enum {
  PART_SRC_EDITOR = 0,   // part detailed editor and feature sections
  PART_SRC_QEDIT = 1,    // quick-edit part panel
  PART_SRC_QINTR = 2,    // quick-interaction panels
  PART_SRC_COMMAND = 3   // command processors
};

// ---- dialog side ---------------------------------------------------------------
extern char Part_wrking_desc[PART_DESC_TEXT];  // pending description
extern char *Part_wrking_createdesc;           // pending creation description (heap), or null
extern int Part_wrking_cnt;                    // parts the editor works on
extern int *Part_wrking_intnumber;             // their table indices (heap), or null
extern int *Part_wrking_extnumber;             // their part numbers (heap), or null
extern int Part_default;                       // 1 = the editor edits a type's defaults

// ---- command side ----------------------------------------------------------------
extern float Part_mod_attr[PART_ATTR_SLOTS];     // pending values
extern int Part_modchng_flags[PART_ATTR_SLOTS];  // 1 = the slot is part of the change
extern char Part_mod_desc[PART_DESC_TEXT];       // pending description
extern int Part_modchng_desc_flag;               // 1 = the description is part of the change
extern char *Part_mod_subsetdesc;                // pending creation description (heap), or null
extern int Cmd_part_wrking_cnt;                  // parts of the command-side selection
extern int *Cmd_part_wrking_extnumber;           // their numbers (-1/-2 defaults), heap or null
extern int Cmd_part_wrking_defaulttype;          // part type a default selection addresses
extern int Cmd_partbatchmod_mode;                // 1 between begin/modify_begin and its end

// ---- routine and category tables ---------------------------------------------------
extern const int Part_cat_map[PART_ROUT_ROWS];  // part type -> row of Cmds_cat it records in
extern const int Part_natt[PART_ROUT_ROWS];     // slots the recorder walks per type (-1 none)
extern int Part_create_error;                   // set to 1 by a create routine that made nothing
extern char Quivane_errbuf[QUIVANE_ERRBUF];     // emptied before modatr; shown when it fails

// What the pipeline asks of the part dialogs; null entries do nothing.  The
// Motif layer sets them.
struct Part_apply_windep_hooks {
  void (*mainprt_list_refresh)();   // rebuild the main part list
  void (*mainprt_scroll_last)();    // scroll the main part list to its last row
  void (*editor_list_refresh)();    // rebuild the editor's part list
  void (*editor_select_last)();     // select the editor list's last row, notifying
  int (*editor_up)();               // 1 while the part detailed editor is shown
  int (*editor_immediate)();        // 1 while the editor is in immediate mode
  void (*editor_reinit)(int count, const int *internal, const int *numbers);
  void (*editor_refresh)();         // part_refresh after a refused change
  void (*partinterf_refresh)(int type, int rebuild, int panel);  // main list's panels
  void (*nodevar_menu)(int which, int kind, int sensitive);  // rebuild a node variable menu
};
extern Part_apply_windep_hooks Part_apply_windep;

// 1 when the flagged slots pass (slot 108: slots 0..44, else that slot
// alone); 0 after the error box, with the refused slot's flag cleared.
int part_check_values(int slot, int *flags, const float *values);

// Applies a pending change (see the file comment).  Sets Command_proc_err
// for every refusal when from_command is set.
void part_apply(int source, int type, int defaults_flag, float *values, int *flags,
                const char *desc, int desc_flag, const char *creation, int count,
                const int *numbers, int reserved, int from_command);

// Creates parts of `type` from the count parents; base: the attributes the
// new parts start from.  Sets Command_proc_err on a refusal from a command.
void part_create(int type, int count, int *numbers, int mode, float *base, float *values,
                 char *desc, char *creation, int *flags, int defaults_flag, int from_command);

// The Create action of the part detailed editor.
void part_setupcreate_and_doit();

void part_dummyclear_changeindicators(float *attr, int *flags);
void part_clear_chngflags(int *flags);
// Rebuilds the node variable menu of the editor (which 1) or of the
// quick-edit node popup (0) for the node size-by value.
void part_nodesizeby_dependency(int size_by, int which);
// Default scale and offset of the profile, arrow and elevated-surface
// creation sections.
void part_scale_default(int type, float *scale, float *offset);

// Sets the command-side selection to count numbers (count 0: none). 1, or
// -1 when the list cannot be allocated.
int cmd_part_selection_set(int count, const int *numbers);
// Clears the pending command-side change (flags, description, creation text).
void part_mod_clear();
