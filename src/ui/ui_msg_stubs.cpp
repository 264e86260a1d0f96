// Console forms of the Command dialog services used by the command language
// until the Command dialog exists.
#include "ui/ui_msg_stubs.h"

#include "client/command_dlog.h"

int cmdrec_windep(const char *line) { return cmd_record_to_file(line); }

int cmdinterf_set_fields_windep(const Cmd_interf_fields *) { return 0; }

void cmdrec_toggle_windep(int, int) {}
