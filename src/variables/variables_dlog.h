// The variables sections of the Feature Detail Editor.  They arrive with the
// variables subsystem; until then their frames do not exist.
#pragma once

#include <X11/Intrinsic.h>

extern Widget Var_sumpalinfo_frame;  // summary and palette frame, null until built
extern Widget Var_transresp_frame;   // transient-response frame, null until built
extern Widget Var_create_frame;      // calculator's creation frame, null until built

// Shows or hides the transient-response phase section (mode, show flag).
void var_transphasesect_init(int mode, int show);
