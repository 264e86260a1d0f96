// Windows and dialog holders that the message boxes, prompts, the dialog
// registry and the widget helpers read but other modules build: the
// start-up, main-window and graphics-window globals, the message window, the
// registered dialogs with their builders, the expandable sections' widget
// holders and the time line.  Each is declared and defined by its owning
// module; this header gathers those modules' headers for these readers.
#pragma once

#include <X11/Intrinsic.h>

// ---- interface start-up, main window, graphics windows ---------------------
#include "ui/graphics_windows.h"
#include "ui/interf_init.h"
#include "ui/main_window.h"
#include "ui/window_codes.h"

// ---- message window, large part list, legend visibility dialog --------------
#include "ui/legend_visibility.h"
#include "ui/main_toggles.h"
#include "ui/message_window.h"

// ---- registered dialogs and their builders, expandable sections -------------
#include "data/data_dlog.h"
#include "data/ui/data_windep.h"
#include "flow/trace.h"
#include "flow/ui/trace_windep.h"
#include "parts/part_deteditor.h"
#include "parts/ui/part_detedit_windep.h"
#include "query/ui/queryfile.h"
#include "ui/command_dialog.h"
#include "ui/connect_dialog.h"
#include "ui/detail_editor.h"
#include "ui/file_select.h"
#include "view/transf_editor.h"
#include "view/ui/transf_dialog.h"

// ---- time line ----------------------------------------------------------------
#include "anim/soltime.h"
#include "anim/timeset.h"
