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

static void mark_start(int flag, void (*start)()) {
  if (flag == 1 || !Build_open) start();
  Build_open = 1;
}

static bool userd_format() { return Data_format[Case_num] >= 11 && Data_format[Case_num] <= 30; }

static void refresh_part_lists() {
  if (Data_partlist_hook) Data_partlist_hook();
  part_list_refresh();
}

static void refuse_unavailable(const char *what) {
  char text[160];
  snprintf(text, sizeof text, "%s is not available yet.", what);
  disperr(text);
  Command_proc_err = 1;
}

void data_genericpartc_init(int flag) {
  if (!Gexist[Case_num]) return;
  mark_start(flag, userd_format() ? start_userd_part_create : start_quivane_part_create);
}

// The records the selection numbers name: the n-th record of the kind
// (0 unstructured, else structured), scanning on from the previous match.
static int match_selection(int data_type, const std::vector<int> &sel, std::vector<int> &ids) {
  int c = Case_num, pos = 0, count = 0, total = Pbuild[c] ? Tot_num_quivane_parts[c] : 0;
  for (int number : sel) {
    bool found = false;
    for (; pos < total && !found; pos++) {
      if ((Pbuild[c][pos].kind == 0) != (data_type == 0)) continue;
      if (++count == number) {
        ids.push_back(Pbuild[c][pos].id);
        found = true;
      }
    }
    if (!found) {
      printf("data_generic_creatpart: Internal part list match error.\n");
      Command_proc_err = 1;
      return -1;
    }
  }
  return 0;
}

static const char *create_error_text(int code) {
  switch (code) {
    case 1: return "Error allocating memory";
    case 2: return "Error opening file.";
    case 3: return "Error reading Quivane file.";
    case 4: return "Error writing to disk, space?";
    case 5: return "Error creating Quivane part(s).";
    default: return nullptr;
  }
}

void data_generic_creatpart(int, int) {
  int data_type = 0, nsel = 0, domain = 0, ijk[9] = {};
  int *list = nullptr;
  char desc[PBLD_DESC_LEN] = "";
  generic_partbld_vals(nullptr, &data_type, &nsel, &list, desc, ijk, &domain, 0);
  std::vector<int> sel(list, list + (list ? nsel : 0)), ids;
  free(list);
  if (sel.empty() || match_selection(data_type, sel, ids) < 0) {
    if (sel.empty()) Command_proc_err = 1;
    return;
  }
  std::vector<int> made(ids.size(), 0);
  set_working_cursor("**Creating/Reading Part**");
  int r = userd_format()
              ? read_userd_parts((int)ids.size(), ids.data(), desc, ijk, domain, made.data())
              : read_quivane_parts((int)ids.size(), ids.data(), desc, ijk, domain, made.data());
  unset_working_cursor();
  const char *text = create_error_text(r);
  if (text) {
    disperr(text);
    Command_proc_err = 1;
  } else if (r != 0) {
    Command_proc_err = 1;
  }
  refresh_part_lists();
}

void data_generic_creatiblankpart(int) { refuse_unavailable("Iblanked part creation"); }

// Closes the open build through its stop marker when the case has geometry.
static void close_build(void (*stop)()) {
  if (!Gexist[Case_num]) return;
  set_working_cursor("**Working**");
  stop();
  Build_open = 0;
  unset_working_cursor();
}

void data_generic_dismiss(int) {
  close_build(userd_format() ? stop_userd_part_create : stop_quivane_part_create);
}

void data_plot3dpartc_init(int flag) { mark_start(flag, start_plot3d_part_create); }

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
  refresh_part_lists();
}

void data_plot3d_creatiblankpart(int) { refuse_unavailable("Iblanked part creation"); }

void data_plot3d_dismiss(int) { close_build(stop_plot3d_part_create); }

void data_n3spartc_init(int flag) {
  if (flag == 1) refuse_unavailable("The N3S part builder");
}
void data_n3s_creatpart(int) { refuse_unavailable("The N3S part builder"); }
void data_n3s_dismiss(int flag) {
  if (flag == 1) refuse_unavailable("The N3S part builder");
}
void data_estetpartc_init(int flag) {
  if (flag == 1) refuse_unavailable("The ESTET part builder");
}
void data_estet_creatpart(int) { refuse_unavailable("The ESTET part builder"); }
void data_estet_creatiblankpart(int) { refuse_unavailable("The ESTET part builder"); }
void data_estet_dismiss(int flag) {
  if (flag == 1) refuse_unavailable("The ESTET part builder");
}
