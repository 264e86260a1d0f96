// Variables sections (see variables_dlog.h).
#include "variables/variables_dlog.h"

Widget Var_sumpalinfo_frame = nullptr;
Widget Var_transresp_frame = nullptr;
Widget Var_create_frame = nullptr;

void var_transphasesect_init(int, int) {}
