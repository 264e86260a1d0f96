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
