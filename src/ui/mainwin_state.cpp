// Stand-in definitions of the windows and state other modules own (see the
// header).  Each is weak: the owning module's definition replaces it.
#include "ui/mainwin_state.h"

#include <Xm/Xm.h>

#define OWNED_ELSEWHERE __attribute__((weak))

Widget Main_message_dialog OWNED_ELSEWHERE = nullptr;
Widget Main_textport OWNED_ELSEWHERE = nullptr;
int Main_message_open_requests OWNED_ELSEWHERE = 0;

OWNED_ELSEWHERE void main_message_window_open() {
  Main_message_open_requests++;
  if (Main_message_dialog) XtManageChild(Main_message_dialog);
}

Widget Transformation_dialog OWNED_ELSEWHERE = nullptr;
Widget Command_dialog OWNED_ELSEWHERE = nullptr;
Widget Query_file_dialog OWNED_ELSEWHERE = nullptr;
Widget File_genericdata_dialog OWNED_ELSEWHERE = nullptr;
Widget File_tarvdata_dialog OWNED_ELSEWHERE = nullptr;
Widget File_n3sdata_dialog OWNED_ELSEWHERE = nullptr;
Widget File_estetdata_dialog OWNED_ELSEWHERE = nullptr;
Widget File_estetvctbld_dialog OWNED_ELSEWHERE = nullptr;
Widget File_plot3ddata_dialog OWNED_ELSEWHERE = nullptr;
Widget Detaileditor_dialog OWNED_ELSEWHERE = nullptr;
Widget Graphics_show_dialog OWNED_ELSEWHERE = nullptr;
Widget Main_large_partlist_dialog OWNED_ELSEWHERE = nullptr;
Widget Main_showlgndcmpnts_dialog OWNED_ELSEWHERE = nullptr;

OWNED_ELSEWHERE void transf_gen_dialog() {}
OWNED_ELSEWHERE void cmd_gen_interf() {}
OWNED_ELSEWHERE void gen_query_file() {}
OWNED_ELSEWHERE void gen_genericread_dialog() {}
OWNED_ELSEWHERE void gen_tarv5read_dialog() {}
OWNED_ELSEWHERE void gen_n3sread_dialog() {}
OWNED_ELSEWHERE void gen_estetread_dialog() {}
OWNED_ELSEWHERE void gen_estetvctbld_dialog() {}
OWNED_ELSEWHERE void gen_plot3dread_dialog() {}
OWNED_ELSEWHERE void gen_detailed_dialog() {}

Widget Parts_create_arobut OWNED_ELSEWHERE = nullptr;
Widget Trace_timstpdet_arobut OWNED_ELSEWHERE = nullptr;
Widget Parts_general_arobut OWNED_ELSEWHERE = nullptr;
Widget Parts_ndelmlin_arobut OWNED_ELSEWHERE = nullptr;
Widget Parts_disp_arobut OWNED_ELSEWHERE = nullptr;
Widget File_plot3diblankinfo_form OWNED_ELSEWHERE = nullptr;
Widget File_genericiblankinfo_form OWNED_ELSEWHERE = nullptr;
Widget File_estetiblankinfo_form OWNED_ELSEWHERE = nullptr;


int Time_tot_steps OWNED_ELSEWHERE = 0;
float Soltime_curstep OWNED_ELSEWHERE = 0.0f;
float Soltime_cursimt OWNED_ELSEWHERE = 0.0f;
