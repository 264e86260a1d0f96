// Console forms of the Command dialog services the command language calls,
// for as long as the Command dialog does not exist: each behaves as the real
// service does before the main window is realised.
#pragma once

#include "ui/event_loop.h"  // check_for_events, for the callers of this header
// Command dialog: a recorded line enters its history and reaches the record
// files through its record action. Without the dialog it goes straight to
// the record files. Result as cmd_record_to_file.
int cmdrec_windep(const char *line);
// Command dialog: shows the field values; 0 when the dialog is not shown.
struct Cmd_interf_fields;
int cmdinterf_set_fields_windep(const Cmd_interf_fields *fields);
// Command dialog: sets the Record toggle (with or without notification).
void cmdrec_toggle_windep(int on, int notify);
