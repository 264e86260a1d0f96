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


