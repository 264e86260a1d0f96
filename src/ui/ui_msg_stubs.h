// The Command dialog services the command language calls (cmdrec_windep,
// cmdinterf_set_fields_windep, cmdrec_toggle_windep) and the event drains
// it uses between lines.
#pragma once

#include "ui/command_dialog.h"
#include "ui/event_loop.h"
