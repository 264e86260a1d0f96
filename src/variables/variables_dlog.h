// The variables sections of the Feature Detail Editor.  They arrive with the
// variables subsystem; until then the section is an empty form, its frames
// and list do not exist and no variable is selected anywhere.
#pragma once

#define VAR_PANEL_LISTS 18  // feature panels that may hold a variable list

extern int Main_var_liststype[VAR_PANEL_LISTS];  // kind of variables each panel's list shows

// Shows or hides the transient-response phase section (mode, show flag).
void var_transphasesect_init(int mode, int show);
// Initialises the section (lists, Apply sensitivity); refreshes its lists.
void var_dialog_init();
void var_dialog_varlistinit();
// Apply Changes insensitive while immediate modification is on.
void var_immedmode_change();
// Reacts to the selection in the available list as after a user selection.
void var_avail_select(int mode);
// Variable-table indexes of the items selected in a variable list (kind:
// feature panel + 6 for the interaction area's panels): one in *index,
// several in *list (heap, the caller frees); the count. Nothing can be
// selected yet: *index -1, 0.
int var_index_from_list(int kind, int type, int by_case, int *index, int **list, int *count);
// Selects that variable's row in the section's available list; 0 when out of range.
int var_select_in_list(int list, int variable, int mode, int by_case, int notify);
// Okay routines of the File Selection dialog: save the selected, or all,
// constants into the chosen file.
void var_getfile_saveselconstants();
void var_getfile_saveallconstants();
