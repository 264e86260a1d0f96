// Transformation Editor entries that the quick-edit column uses.  The editor
// itself arrives with the view subsystem.
#pragma once

// Builder of the Transformation Editor's registry row (nothing to build
// until the editor arrives: the holder stays null).
void transf_gen_dialog();

// Records What_trans-style mode as "view_transf: function <mode word>".
// 1, or -1 for a code without a word.
int transf_record_whattrans(int mode);
// Refreshes the Transformation Editor from the current state (not built: nothing).
void transf_dialog_init();

// Carries out a transformation button: items 0 rotate, 1 translate, 2 zoom,
// 3 rubber-band zoom and 4 scale set the drag action (Vewglb) and, with
// record set, record "view_transf: action <word>"; 5 (front/back clip tool),
// 6 (reset) and 7 (the editor) open dialogs that do not exist yet.  1, or -1
// for an unknown item.
int transf_action_reset_chng(int item, int record);
// The word of "view_transf: action" for a Vewglb value, or null.
const char *transf_action_word(int vewglb);
#include "view/stored_views.h"  // switch_views_process_command

// ---- operations shared with the "view_transf:" lines --------------------------------
// from_command 1: called by the command processor (nothing recorded); 0: a
// user action (its line recorded while recording is on).
//
// Resets the current mode's target (all 1: rotation, translation and
// scale; 0: the current action's part).  Refused during keyframe creation:
// -1 with a message; else 1.
int transf_reset_action(int all, int from_command);
// Re-fits the selected viewports to their parts.  Refused during keyframe
// creation (-1); else 1.
int transf_reinitviewport(int from_command);
// Reset_tools_constraint = constraint (0 by global, 1 by viewport).
void transf_resettool_constraint(int constraint, int from_command);
// The one selected viewport becomes the source of the transformation
// state; -1 with a message unless exactly one is selected.
int transf_copy_state(int from_command);
// Copies the source's state to the other selected viewports.
void transf_paste_state(int from_command);
// Links (on 1) or unlinks the selected viewports for interactive transforms.
void transf_link_viewports(int on, int from_command);

// ---- the saved-view file (saved_view.h) ---------------------------------------------
// Writes the file named (a leading "~" expanded).  From the editor
// (from_command 0) an existing file asks before it is overwritten and a
// file that cannot be created is reported, and the line is recorded; from a
// command the checks are silent and nothing is recorded.  1, or -1.
int transf_save_view(const char *name, int from_command);
// Reads the file named and applies it; refused while a keyframe animation
// is being made.  A file that cannot be read is reported either way; only
// the editor's call (from_command 0) records the line.  1, or -1.
int transf_restore_view(const char *name, int from_command);
