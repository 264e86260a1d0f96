// Parts section widgets (see part_detedit_windep.h).
#include "parts/ui/part_detedit_windep.h"

#include "ui/detail_editor.h"

Widget Parts_listw = nullptr;
Widget Parts_create_arobut = nullptr;
Widget Parts_general_arobut = nullptr;
Widget Parts_ndelmlin_arobut = nullptr;
Widget Parts_disp_arobut = nullptr;

Widget part_gen_deteditor() { return detedit_section_form("partDetEdForm"); }
