// Widgets of the variables sections of the Feature Detail Editor and the
// feature panels' variable lists.  They arrive with the variables subsystem;
// until then the section is an empty form and its frames and lists do not
// exist.
#pragma once

#include <X11/Intrinsic.h>

#include "variables/variables_dlog.h"

extern Widget Var_sumpalinfo_frame;  // summary and palette frame, null until built
extern Widget Var_transresp_frame;   // transient-response frame, null until built
extern Widget Var_create_frame;      // calculator's creation frame, null until built
extern Widget Var_avail_list;        // available-variables list, null until built
extern Widget Main_var_lists[VAR_PANEL_LISTS];  // variable list of each feature panel, null = none

// Builds the variables section form into the detail editor; the form (unmanaged).
Widget var_gen_deteditor();
