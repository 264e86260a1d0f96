// The command halves of the part builders: what "begin", "create" and "end"
// of "data_partbuild:" do with the pending values. The dialogs add their
// own fields and recording on top.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "client/cases.h"
#include "client/command_dlog.h"
#include "client/screen.h"
#include "data/builders.h"
#include "data/data_dlog.h"
#include "data/part_create.h"
#include "data/partbuild.h"
#include "data/pbuild.h"
#include "parts/part_deteditor.h"

void (*Data_partlist_hook)() = nullptr;

// 1 from a build's start marker to its stop marker. A refresh of the
// builder while a build is open must not move its start: the parts made so
// far would then not receive their results when the build closes.
static int Build_open = 0;

void data_build_mark_start(int flag, void (*start)()) {
  if (flag == 1 || !Build_open) start();
  Build_open = 1;
}

int data_build_userd_format() { return Data_format[Case_num] >= 11 && Data_format[Case_num] <= 30; }

void data_build_refresh_lists() {
  if (Data_partlist_hook) Data_partlist_hook();
  part_list_refresh();
}

const char *data_build_error_text(int code) {
  switch (code) {
    case 1: return "Error allocating memory";
    case 2: return "Error opening file.";
    case 3: return "Error reading Quivane file.";
    case 4: return "Error writing to disk, space?";
    case 5: return "Error creating Quivane part(s).";
    default: return nullptr;
  }
}

void data_build_close(void (*stop)()) {
  if (!Gexist[Case_num]) return;
  set_working_cursor("**Working**");
  stop();
  Build_open = 0;
  unset_working_cursor();
}

static void refuse_unavailable(const char *what) {
  char text[160];
  snprintf(text, sizeof text, "%s is not available yet.", what);
  disperr(text);
  Command_proc_err = 1;
}

void data_plot3dpartc_init(int flag) { data_build_mark_start(flag, start_plot3d_part_create); }

void data_plot3d_creatpart(int) {
  int ijk[9] = {}, domain = 0, nsel = 0;
  int *list = nullptr;
  char desc[PBLD_DESC_LEN] = "";
  plot3d_partbld_vals(ijk, &domain, desc, &nsel, &list, 0);
  std::vector<int> zones(list, list + (list ? nsel : 0));
  free(list);
  std::vector<int> made(zones.size() + 1, 0);
  set_working_cursor("**Creating Part**");
  int r = read_plot3d_part(ijk, domain, desc, (int)zones.size(), zones.data(), made.data());
  unset_working_cursor();
  if (r == -1) {
    disperr("Error creating PLOT3D part: No elements found for selection criteria chosen.");
    Command_proc_err = 1;
  } else if (r == 2) {
    disperr("Error creating PLOT3D part: allocation or disk space problem with part map.");
    Command_proc_err = 1;
  }
  data_build_refresh_lists();
}

void data_plot3d_creatiblankpart(int) { refuse_unavailable("Iblanked part creation"); }

void data_plot3d_dismiss(int) { data_build_close(stop_plot3d_part_create); }

