// Stand-in definitions of the windows and state other modules own (see the
// header).  Each is weak: the owning module's definition replaces it.
#include "ui/mainwin_state.h"

#include <Xm/Xm.h>

#define OWNED_ELSEWHERE __attribute__((weak))

Widget Transformation_dialog OWNED_ELSEWHERE = nullptr;
Widget Command_dialog OWNED_ELSEWHERE = nullptr;
Widget Query_file_dialog OWNED_ELSEWHERE = nullptr;
Widget File_genericdata_dialog OWNED_ELSEWHERE = nullptr;
Widget File_tarvdata_dialog OWNED_ELSEWHERE = nullptr;
Widget File_n3sdata_dialog OWNED_ELSEWHERE = nullptr;
Widget File_estetdata_dialog OWNED_ELSEWHERE = nullptr;
Widget File_estetvctbld_dialog OWNED_ELSEWHERE = nullptr;
Widget File_plot3ddata_dialog OWNED_ELSEWHERE = nullptr;
Widget Graphics_show_dialog OWNED_ELSEWHERE = nullptr;

OWNED_ELSEWHERE void transf_gen_dialog() {}
OWNED_ELSEWHERE void cmd_gen_interf() {}
OWNED_ELSEWHERE void gen_query_file() {}
OWNED_ELSEWHERE void gen_genericread_dialog() {}
OWNED_ELSEWHERE void gen_tarv5read_dialog() {}
OWNED_ELSEWHERE void gen_n3sread_dialog() {}
OWNED_ELSEWHERE void gen_estetread_dialog() {}
OWNED_ELSEWHERE void gen_estetvctbld_dialog() {}
OWNED_ELSEWHERE void gen_plot3dread_dialog() {}

Widget Trace_timstpdet_arobut OWNED_ELSEWHERE = nullptr;
Widget File_plot3diblankinfo_form OWNED_ELSEWHERE = nullptr;
Widget File_genericiblankinfo_form OWNED_ELSEWHERE = nullptr;
Widget File_estetiblankinfo_form OWNED_ELSEWHERE = nullptr;


int Time_tot_steps OWNED_ELSEWHERE = 0;
float Soltime_curstep OWNED_ELSEWHERE = 0.0f;
float Soltime_cursimt OWNED_ELSEWHERE = 0.0f;
