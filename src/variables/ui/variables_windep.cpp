// Variables section widgets (see variables_windep.h).
#include "variables/ui/variables_windep.h"

#include "ui/detail_editor.h"

Widget Var_sumpalinfo_frame = nullptr;
Widget Var_transresp_frame = nullptr;
Widget Var_create_frame = nullptr;
Widget Var_avail_list = nullptr;
Widget Main_var_lists[VAR_PANEL_LISTS] = {};

Widget var_gen_deteditor() { return detedit_section_form("varDetEdForm"); }
