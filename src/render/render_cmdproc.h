// Command language entry points of Rendering: the processors, special
// recorders, refresh functions and keyword tables that Cmds_cat names.
// "annot_entlbl:" is in entlbl.cpp.
#pragma once

#include "client/cmd_tables.h"

extern const Cmd_keyword_rec Cmds_view[];      // "view:", 14 rows
extern const Cmd_option_rec view_pmodes[];     // pick modes of "pick_mode"
extern const Cmd_option_rec view_dmodes[];     // drawing modes: 0 off, 1 dynamic boxes, 2 static
extern const Cmd_keyword_rec Cmds_entlbl[];

// "view:" lines.  The switch keywords "hidden_surface", "hidden_line",
// "perspective" and "static_lighting" always run the full switch, rebuild
// and redraw, even when the switch already has the requested state.
// Records nothing; shows the working cursor while it runs.
int view_cmdproc(CMD_PROC_PARAMS);
int entlbl_cmdproc(CMD_PROC_PARAMS);
// Sets the View menu and the main window's view toggles from the switches.
void view_ref(int cat_index);
void entlbl_ref(int cat_index);
