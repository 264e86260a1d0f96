// Global defaults (see globals.h). The globals belong to their modules; this
// function only gives them their start values, in both modes or in full mode
// only, and then runs the modules' own initialisations in a fixed order.
#include "client/globals.h"

#include <cstdio>
#include <initializer_list>

#include "anim/animate.h"
#include "anim/timeset.h"
#include "client/cases.h"
#include "client/command_dlog.h"
#include "client/conect.h"
#include "client/extdriver.h"
#include "client/startup.h"
#include "client/version.h"
#include "data/data_dlog.h"
#include "data/data_format.h"
#include "flow/anim_trace.h"
#include "interact/movmnt.h"
#include "interact/support.h"
#include "palette/annotate.h"
#include "palette/function.h"
#include "parts/read.h"
#include "query/plotter.h"
#include "render/disobj.h"
#include "state/globals_bkup.h"
#include "client/interf_settings.h"
#include "variables/variables.h"
#include "view/frames.h"
#include "view/observer.h"
#include "view/viewports.h"

float Tarv_version = QUIVANE_VERSION_FLOAT;

template <typename T, int N>
static void fill(T (&array)[N], T value) {
  for (T &entry : array) entry = value;
}

// Connections, cases and what the loaded cases hold: set once per run.
static void init_run_state() {
  Con_prog = 1;
  Server_port = 1106;
  Cmd_driver_port = 1104;
  Con_mode[1] = 0;
  Connect_server = 0;
  Connect_timeout = 60;
  Restore_archiveauto = 0;
  Ignore_working_dir = 0;
  Balloon_help = 1;

  fill(Num_parts_cases, 0);
  for (int *per_case : {Swap_server_bytes, Gexist, Mexist, Rexist, Geom_change, Mgeom_change,
                        Node_labels, Element_labels, Data_meshtype})
    for (int c = 0; c < 16; c++) per_case[c] = 0;
  fill(Data_format, DATA_FORMAT_CASEFILE);

  Initial_screen = 0;
  Gwmain = 0;
  Dont_use_start_screen = 0;
  Plane_clipp_avail = 0;

  Current_mode = 1;
  Last_current_mode = 1;
  Hum_option_available = 1;
  User_defined_input_available = 1;

  Undefined = 0.0f;
  Var_avail_cnt = 0;
  fill(Var_caseavail_cnt, 0);
  Var_avail_scl = Var_avail_vct = Var_avail_scl_complex = Var_avail_vct_complex = 0;
  Var_avail_tensor = Var_avail_time = Var_avail_coord = 0;

  Use_10_range = 0;
  Var_oldavail_cnt = 0;
  Var_avail_prt = 0;

  data_plot3d_read_init();
  Case_num = 0;
  Case_cnt = 1;
  for (int c = 0; c < MAX_CASES; c++) {
    Case_info[c].active = c == 0;
    snprintf(Case_info[c].name, sizeof Case_info[c].name, "%s", c == 0 ? "Case 1" : "");
  }
}

// View, display and toggle settings: set at start and at every archive reset.
static void init_view_state() {
  Tarv_version = QUIVANE_VERSION_FLOAT;
  Recrdr = 1;
  Recrdr_backup = 1;
  Recrdr_user = 0;
  Play_file_no_update = 0;
  On = "ON";
  Off = "OFF";
  Stars = "***";

  Num_p_loaded = 0;
  Num_p_partlist = 0;

  Solidt = Hlinet = 0;
  Labnod = Labele = Labprt = 1;
  Doubuf = 0;
  Resort_transparent = 1;
  Box_mode = Box_mode_always = Box_mode_always_toggle = Box_mode_toggle = 0;
  Software_light = 0;
  Plane_clipp_toggle = Plane2_clipp_toggle = 0;

  Person = 1;
  Floating_z_planes = 1;
  Axiso1 = 1;
  Axiso2 = Axiso3 = 0;
  fill(baccol, 0.0f);
  Vewglb = 0;
  What_trans = 0;
  fill(Vewaxis, 1);
  // Increments of the seven (increment, limit) pairs; limits stay unless set.
  for (int pair = 0; pair < 7; pair++) Vewvalues[2 * pair] = 1.0f;
  Vewvalues[1] = 90.0f;  // rotate
  Vewvalues[3] = 2.0f;   // translate
  Vewvalues[4] = 2.0f;   // scale
  Vewvalues[5] = 2.0f;
  Vewvalues[8] = 0.1f;   // zoom
  Vewvalues[9] = 0.5f;

  Curson = Lineon = Planon = Plane_solid = Curve_clip_tool = Reset_tools_constraint = 0;

  Var_array_size = 10;
  Var_array_step_size = 10;
  Element_variables_exist = 0;

  Auto_legend_replace = Txttog = Legenf = Txtdyn = Fringt = 1;
  Anitrt = 0;
  Plttog = 1;

  Flprun = 0;
  Flpaut = 1;
  Flplod = Flppix = Animon = Ani_is_running = Loading_flipbook = 0;
  Timeset_cnt = 0;
  fill(Time_set_geometry, -1);
  fill(Time_set_mgeom, -1);
  for (Timeset_rec *&set : Timesets) set = nullptr;

  Zison = Txtleg = 1;
  Logtog = Meshon = Legenc = Conttt = Vecaro = Tracet = Spacet = Depcue = Colchg = 0;
  Sexist = Vexist = Auxon = Place_text = 0;
}

int globals_init(int mode) {
  init_view_state();
  if (mode == 1) init_run_state();
  global_init_viewports();
  animation_extra_init();
  int result = initialize_connection_map();
  Number_CaseMap_connections = 0;
  return result;
}
