// The Query Dataset dialog.  Queries arrive with their subsystem; until then
// the dialog is not built and there is nothing to fill in.
#pragma once

#include <X11/Intrinsic.h>

extern Widget Query_file_dialog;  // the Query Dataset dialog, null until built

// Builder of the dialog's registry row (builds nothing yet: the holder stays null).
void gen_query_file();
// Fills the dialog for the current case.
void queryfile_init();
