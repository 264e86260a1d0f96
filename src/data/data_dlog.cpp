// Reader set-up per case and the read itself (see data_dlog.h). This module
// owns the per-case format, file names and data-read flags, the pending
// changed flags and start step of the "data:" commands and the pending PLOT3D
// settings. data_setup_apply is the one routine that reads a case's data:
// it records every setting it uses as a "data:" line in the case's reading
// text, has the server read, loads the parts of the single-file formats and
// makes a time step current.
#include "data/data_dlog.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <vector>

#include "anim/animate.h"
#include "anim/soltime.h"
#include "anim/timeset.h"
#include "client/ccp.h"
#include "client/command_dlog.h"
#include "client/conect.h"
#include "client/defaults.h"
#include "client/screen.h"
#include "client/textutil.h"
#include "data/data_cmdproc.h"
#include "data/data_format.h"
#include "data/data_read.h"
#include "data/estet_vctbld.h"
#include "data/part_create.h"
#include "data/partbuild.h"
#include "data/pbuild.h"
#include "data/readcmds.h"
#include "data/vctbld.h"
#include "parts/part_rebuild.h"
#include "parts/read.h"
#include "render/display.h"
#include "variables/orig_scalars.h"
#include "variables/variables.h"
#include "view/viewports.h"

int Data_format[MAX_CASES] = EVERY_CASE(DATA_FORMAT_CASEFILE);
char Data_geom_file[MAX_CASES][255];
char Data_result_file[MAX_CASES][255];
int Data_meshtype[MAX_CASES];
int Swap_server_bytes[MAX_CASES];
int Gexist[MAX_CASES];
int Rexist[MAX_CASES];
int Mexist[MAX_CASES];
int Geom_change[MAX_CASES];
int Mgeom_change[MAX_CASES];
int Node_labels[MAX_CASES];
int Element_labels[MAX_CASES];
static const Global_defaults Defaults(DEFAULTS_AT_START, Data_format, Data_meshtype,
                                      Swap_server_bytes, Gexist, Rexist, Mexist, Geom_change,
                                      Mgeom_change, Node_labels, Element_labels);
int Cmd_data_startstep = -1;
int Extend_plot3d_function_list = 0;

static int Pending_change[3];          // geometry, result, measured file changed
void (*Data_fileselect_show)() = nullptr;
void (*Data_partlist_refresh)() = nullptr;
int (*Data_fileselect_get)(Data_fileselect_rec *out) = nullptr;
void (*Data_fileselect_set)(int field, const char *text) = nullptr;

int server_byte_swap_toggle(int *value, int mode) {
  int c = Case_num;
  if (mode == 0) {
    *value = Swap_server_bytes[c] != 1 ? 1 : 0;
    return 0;
  }
  Swap_server_bytes[c] = *value != 1 ? 1 : 0;
  if (Online[c + 1] == 1) {
    ccsstr(Isockt[c], "swapbytes", 9);
    ccsint(Isockt[c], Swap_server_bytes[c]);
  }
  return 0;
}

namespace {

// Who the failure table says sets Command_proc_err.
enum Fail_flag { FLAG_NEVER, FLAG_COMMAND, FLAG_ALWAYS };

// Working values of one read.
struct Read_rec {
  int source = 1;            // 0 the File Selection dialog, else a command
  int case_index = 0;        // the case being read
  int format = 10;           // its reader format
  char geom[DATA_NAME_LEN] = "";     // names read now; empty = not read now
  char result[DATA_NAME_LEN] = "";
  char meas[DATA_NAME_LEN] = "";
  char path[DATA_NAME_LEN] = "";
  int start = -1;            // start step, -1 none
  int start_given = 0;       // 1 = the geometry exchange already made the start step current
  int gstatus = 0;           // geometry status of the exchange
  int two_files = 0;         // user-defined reader takes a second (result) file
  int results_read = 0;
  int meas_read = 0;
  int steps_before = 0;      // Time_tot_steps when the read began
  int load = -1;             // dialog: load choice of the single-file formats; -1 the pending one
  int start_on = 0;          // dialog: starting-time-step toggle
  char start_text[32] = "";  // dialog: its text
  char typed_geom[DATA_NAME_LEN] = "";    // dialog: the names as typed
  char typed_result[DATA_NAME_LEN] = "";
  char typed_meas[DATA_NAME_LEN] = "";
  Plot3d_read_settings_rec p3d = {0, 0, 1, 2};
};

int fail(const Read_rec &r, const char *message, Fail_flag flag, bool show_fileselect) {
  unset_working_cursor();
  disperr(message);
  if (flag == FLAG_ALWAYS || (flag == FLAG_COMMAND && r.source != 0)) Command_proc_err = 1;
  if (show_fileselect && Data_fileselect_show) Data_fileselect_show();
  return -1;
}

// Appends "data: keyword value" to the case's reading text (and to the
// recorder for the dialog). A text that cannot grow fails the read; the
// command source then sets the error flag so "read" does not report success.
int write_line(const Read_rec &r, const char *category, const char *keyword, const char *value) {
  char line[CMD_MAXPARAMS + 64];
  if (value)
    snprintf(line, sizeof line, "%s %s %s", category, keyword, value);
  else
    snprintf(line, sizeof line, "%s %s", category, keyword);
  if (data_PART_BLDCMDS(line) != 0) {
    if (r.source != 0) Command_proc_err = 1;
    return -1;
  }
  if (r.source == 0 && Recrdr == 1) cmdrec(line);
  return 0;
}

int data_line(const Read_rec &r, const char *keyword, const char *value) {
  return write_line(r, "data:", keyword, value);
}

const char *on_off(int v) { return v ? "ON" : "OFF"; }

bool single_file_format(int format) {
  return format == 2 || format == 5 || format == 6 || format == 7 || format == 8 || format == 9;
}

// Formats whose geometry file also carries the results.
bool geometry_carries_results(int format, int two_files) {
  if (format == 10 || format == 4 || format == 2 || format == 7 || format == 8) return true;
  return format >= DATA_USERDEF_FIRST && format <= DATA_USERDEF_LAST && two_files == 0;
}

bool geometry_changes_over_time(int c) {
  if (Geom_change[c] == 2 || Mgeom_change[c] != 0) return true;
  int f = Data_format[c];
  return Geom_change[c] == 1 &&
         (f == 9 || f == 0 || f == 10 || f == 2 || (f >= DATA_USERDEF_FIRST && f <= DATA_USERDEF_LAST));
}

// Step 4.206: part list, load choice, the "tarvload" line and the transfer.
int load_single_file_parts(Read_rec &r) {
  if (r.gstatus == 0) return fail(r, "Loading geometry failed.", FLAG_COMMAND, false);
  set_working_cursor("**Getting Part Info**");
  int ch = Isockt[r.case_index];
  int n = 0;
  std::vector<int> numbers;
  bool ok = ccsstr(ch, "part info", 9) == 0 && ccrint(ch, 1, &n) == 0 && n >= 0;
  // Entries beyond the part table's size are read and dropped.
  for (int k = 0; ok && k < n; k++) {
    int p = 0;
    char name[PART_NAME_USED];
    if (part_info_entry(ch, &p, name) != 0)
      ok = false;
    else if ((int)numbers.size() < MAX_PARTS)
      numbers.push_back(p);
  }
  if (!ok) {
    r.gstatus = -1;
    return fail(r, "Loading part information failed.", FLAG_COMMAND, true);
  }
  set_working_cursor("**Loading Parts**");
  int choice = r.load;
  if (r.format == 8)
    choice = 0;
  else if (choice < 0)
    tarv_partbld_vals(&choice, 0);
  static const char *const values[3] = {"all_parts", "part1_only", "all_but_part1"};
  if (choice < 0 || choice > 2)
    return fail(r, "Load of No Parts is not currently supported.", FLAG_COMMAND, false);
  if (r.format != 8 && write_line(r, "data_partbuild:", "tarvload", values[choice]) != 0)
    return -1;
  std::vector<int> load;
  std::vector<char> loaded(numbers.size());
  for (size_t k = 0; k < numbers.size(); k++) {
    loaded[k] = choice == 0 || (choice == 1 && k == 0) || (choice == 2 && k > 0);
    if (loaded[k]) load.push_back(numbers[k]);
  }
  if (!load.empty()) load_many_parts(load.data(), (int)load.size());
  for (size_t k = 0; k < numbers.size(); k++) {
    if (!part_by_number(numbers[k])) continue;
    if (!loaded[k]) {
      fix_not_loaded(numbers[k]);
    } else {
      make_part(numbers[k]);
      make_solid_part_if_needed(numbers[k]);
    }
  }
  return 0;
}

int could_not_set_time(const Read_rec &r) {
  fail(r, "Could not set time step.", FLAG_COMMAND, false);
  active_variables_update_case();
  return -1;
}

int make_current(const Read_rec &r, int step, int forced) {
  float t = Time_steps[step][1];
  int rc = geometry_changes_over_time(r.case_index) && step != 0
               ? change_timesteps(t, forced)
               : set_active_time(t);
  return rc == -1 ? could_not_set_time(r) : 0;
}

// The step of the time line nearest to time.
int nearest_step(float time) {
  int best = 0;
  for (int i = 1; i < Time_tot_steps; i++)
    if (std::fabs(Time_steps[i][1] - time) < std::fabs(Time_steps[best][1] - time)) best = i;
  return best;
}

// The dialog's start step on the first time line: the typed one, else the
// user's answer (empty: the last step) when the toggle is on, else the last.
int dialog_start_step(const Read_rec &r, int first, int last) {
  if (r.start_on && r.start_text[0]) return atoi(r.start_text);
  if (!r.start_on) return last;
  char message[160], answer[16];
  snprintf(message, sizeof message,
           "Available Time Steps are from %d(%.4e) to %d(%.4e).\n What should the current time step be?",
           first, Time_steps[0][1], last, Time_steps[Time_tot_steps - 1][1]);
  snprintf(answer, sizeof answer, "%3d", first);
  // The prompt's title is its label's first line; the answer holds at most 11 characters.
  if (screen_prompt(message, "Current Variable Time", answer, 12, 0) < 0 || !answer[0]) return last;
  return atoi(answer);
}

// The chosen start step into the dialog's field and as a "start_time" line.
int start_step_line(const Read_rec &r, int start) {
  char field[16], step[16];
  snprintf(field, sizeof field, "%10d", start);
  if (Data_fileselect_set) Data_fileselect_set(DATA_FIELD_START_STEP, field);
  snprintf(step, sizeof step, "%d", start);
  return data_line(r, "start_time", step);
}

// Step 4.207: the time step made current after results or measured data.
int set_start_step(Read_rec &r) {
  int c = r.case_index;
  if (!((r.results_read && r.meas_read) || (r.results_read && Mexist[c] != 1) ||
        (r.meas_read && Rexist[c] != 1)))
    return 0;
  mod_var_info();
  float anim[ANIM_GLOBAL_WORDS];
  get_global_animation_attributes(anim);
  int n = Time_tot_steps;
  if (n < 1 || !Time_steps) return 0;  // no time line: no time is made current
  int last = n - 1;
  if (n < 2) {
    if (!r.start_given && set_active_time(Time_steps[0][1]) == -1) return could_not_set_time(r);
  } else if (r.steps_before > 0) {
    float t = Current_time;
    int step = adjust_timestep(&t);
    if (step < 0) step = nearest_step(t);
    if (geometry_changes_over_time(c) && step != 0) active_variables_update_case();
    if (!r.start_given && make_current(r, step, 1) != 0) return -1;
  } else {
    int first = (int)Time_steps[0][0];
    int last_number = (int)Time_steps[last][0];
    int start = r.start;
    if (r.source == 0 && !r.start_given) {
      start = dialog_start_step(r, first, last_number);
      if (start_step_line(r, start) != 0) return -1;
    }
    if (start == -1 && r.source != 0) {
      start = last_number;  // a command without "start_time" starts at the last step
    } else if (start < first || start > last_number) {
      disperr("Data start time is out of the simulation time step range.  Defaulting to the last "
              "time step.");
      if (r.source != 0) {
        Command_proc_err = 1;
        Cmd_data_startstep = first;
      }
      start = last_number;
    }
    if (!r.start_given && make_current(r, start - first, 0) != 0) return -1;
  }
  int chosen = n < 2 ? 0 : nearest_step(Current_time);
  int beg = (int)Time_steps[0][0], end = (int)Time_steps[last][0];
  float begt = Time_steps[0][1], cur = Time_steps[chosen][0], curt = Time_steps[chosen][1];
  float endt = Time_steps[last][1];
  soltime_timevals(1, 0, &beg, &begt, &cur, &curt, &end, &endt);
  anim[ANIM_START_STEP] = Time_steps[0][0];
  anim[ANIM_END_STEP] = Time_steps[last][0];
  anim[ANIM_START_TIME] = Time_steps[0][1];
  anim[ANIM_END_TIME] = Time_steps[last][1];
  anim[ANIM_TIME_INC] = (anim[ANIM_END_TIME] - anim[ANIM_START_TIME]) / 10.0f;
  set_global_animation_attributes(anim);
  return 0;
}

// 1 when the case's user-defined reader of this format takes a second (result) file.
int userdef_two_files(int c, int format) {
  if (format < DATA_USERDEF_FIRST || format > DATA_USERDEF_LAST) return 0;
  int i = format - DATA_USERDEF_FIRST;
  return Userdef_readertwofields[c] && i < Userdef_readercnt[c] ? Userdef_readertwofields[c][i] : 0;
}

void data_format_keyword(int format, char *out, int size) {
  int c = Case_num;
  if (format >= DATA_USERDEF_FIRST && format <= DATA_USERDEF_LAST) {
    int i = format - DATA_USERDEF_FIRST;
    snprintf(out, size, "%s", Userdef_readers[c] && i < Userdef_readercnt[c] ? Userdef_readers[c][i] : "");
    for (char *p = out; *p; p++)
      if (*p == ' ') *p = '-';
    return;
  }
  snprintf(out, size, "%s", data_format_word(format));
}

// The four PLOT3D lines with the given settings.
int plot3d_lines(const Read_rec &r, const Plot3d_read_settings_rec &p) {
  static const char *const read_as[3] = {"ascii", "c_binary", "fortran_binary"};
  static const char *const dims[3] = {"1d", "2d", "3d"};
  int ra = p.read_as >= 0 && p.read_as < 3 ? p.read_as : 0;
  int dm = p.dimension >= 0 && p.dimension < 3 ? p.dimension : 0;
  if (data_line(r, "plot3diblank", on_off(p.iblanked)) != 0 ||
      data_line(r, "plot3dmulti_zone", on_off(p.multizone)) != 0 ||
      data_line(r, "plot3dread_as", read_as[ra]) != 0 || data_line(r, "plot3ddimension", dims[dm]) != 0)
    return -1;
  return 0;
}

// Step 2: the settings of a dialog read and their lines. need_read is set
// when something is to be read.
int dialog_settings(Read_rec &r, int *need_read) {
  int c = r.case_index;
  Data_fileselect_rec f;
  if (!Data_fileselect_get || Data_fileselect_get(&f) < 0)
    return fail(r, "Data Read: The File Selection dialog does not exist.", FLAG_NEVER, false);
  int changed = 0;
  server_byte_swap_toggle(&f.native, 1);
  if (data_line(r, "native_binary", on_off(f.native)) != 0) return -1;
  r.format = f.format;
  char word[DATA_NAME_LEN];
  data_format_keyword(r.format, word, sizeof word);
  if (data_line(r, "format", word) != 0) return -1;
  r.two_files = userdef_two_files(c, r.format);
  r.load = r.format == 8 ? 0 : f.load;
  if (r.format == 1) {
    r.p3d = f.p3d;
    int *row = Data_plot3d_rflags[c];
    int now[4] = {f.p3d.iblanked, f.p3d.multizone, f.p3d.read_as, f.p3d.dimension};
    if (memcmp(row, now, sizeof now) != 0) {
      memcpy(row, now, sizeof now);
      *need_read = changed = 1;
    }
    if (plot3d_lines(r, f.p3d) != 0) return -1;
  }
  if (r.format != Data_format[c]) {
    Data_format[c] = r.format;
    if (r.format >= DATA_USERDEF_FIRST && r.format <= DATA_USERDEF_LAST)
      Data_udformat[c] = r.format - DATA_USERDEF_FIRST;
    *need_read = changed = 1;
  }
  char path[DATA_NAME_LEN];
  which_path(c, path, 0);
  if (strcmp(f.path, path) != 0) {
    if (Gexist[c]) {
      if (Data_fileselect_set) Data_fileselect_set(DATA_FIELD_PATH, path);
      return fail(r,
                  "Path can not be changed for a case after the geometry\nhas already been read "
                  "in.  Path has been reset to the old path\nso that you can retry with this "
                  "path.                         ",
                  FLAG_NEVER, true);
    }
    if (data_line(r, "path", f.path) != 0) return -1;
    strip_pre_post_chars(f.path, path, ' ');
    which_path(c, path, 1);
    if (Data_fileselect_set) Data_fileselect_set(DATA_FIELD_PATH, path);
    *need_read = changed = 1;
  }
  snprintf(r.path, sizeof r.path, "%s", path);
  const char *typed[3] = {f.geom, f.result, f.meas};
  const char *stored[3] = {Data_geom_file[c], Data_result_file[c], Data_meas_file[c]};
  const int exists[3] = {Gexist[c], Rexist[c], Mexist[c]};
  bool taken[3] = {false, false, false};
  for (int k = 0; k < 3; k++) {
    if (strcmp(typed[k], stored[k]) == 0 && !changed) continue;
    if (exists[k])
      return fail(r, "Must restart or replace case before reading new data.", FLAG_ALWAYS, true);
    taken[k] = true;
    *need_read = 1;
  }
  char *names[3] = {r.geom, r.result, r.meas};
  static const char *const keywords[3] = {"geometry", "result", "measured"};
  for (int k = 0; *need_read && k < 3; k++) {
    if (!taken[k]) continue;
    strip_pre_post_chars(typed[k], names[k], ' ');
    if (Data_fileselect_set) Data_fileselect_set(DATA_FIELD_GEOMETRY + k, names[k]);
    if (names[k][0] && data_line(r, keywords[k], names[k]) != 0) return -1;
  }
  // The names as typed are what the case keeps once each part of the read succeeded.
  snprintf(r.typed_geom, sizeof r.typed_geom, "%s", f.geom);
  snprintf(r.typed_result, sizeof r.typed_result, "%s", f.result);
  snprintf(r.typed_meas, sizeof r.typed_meas, "%s", f.meas);
  r.start_on = f.start_on;
  snprintf(r.start_text, sizeof r.start_text, "%s", f.start_text);
  if (f.start_on && f.start_text[0]) {
    r.start = atoi(f.start_text);
    if (r.format == DATA_FORMAT_CASEFILE || (r.format >= DATA_USERDEF_FIRST && r.format <= DATA_USERDEF_LAST))
      r.start_given = 1;
    char step[16];
    snprintf(step, sizeof step, "%d", r.start);
    if (data_line(r, "start_time", step) != 0) return -1;
  }
  return 0;
}

// Step 3: the settings of a command read and their lines.
int command_settings(Read_rec &r) {
  int c = r.case_index;
  int native = 0;
  server_byte_swap_toggle(&native, 0);
  if (data_line(r, "native_binary", on_off(native)) != 0) return -1;
  char word[DATA_NAME_LEN];
  data_format_keyword(r.format, word, sizeof word);
  if (data_line(r, "format", word) != 0) return -1;
  int changed[3] = {0, 0, 0};
  datachange_flags(&changed[0], &changed[1], &changed[2], 0);
  const char *keywords[3] = {"geometry", "result", "measured"};
  const char *stored[3] = {Data_geom_file[c], Data_result_file[c], Data_meas_file[c]};
  char *names[3] = {r.geom, r.result, r.meas};
  for (int k = 0; k < 3; k++) {
    if (!changed[k]) continue;
    snprintf(names[k], DATA_NAME_LEN, "%s", stored[k]);
    if (data_line(r, keywords[k], names[k]) != 0) return -1;
  }
  which_path(c, r.path, 0);
  if ((changed[0] && Gexist[c]) || (changed[1] && Rexist[c]) || (changed[2] && Mexist[c]))
    return fail(r,
                "Geometry, Result, or Measured file exists for the current selected case.  Please "
                "replace the current case or add another case before trying to read in new "
                "geometry, result, or measure file.",
                FLAG_ALWAYS, false);
  if (data_line(r, "path", r.path) != 0) return -1;
  if (r.format == 3 && !Gexist[c] && !Rexist[c] && (!r.geom[0] || !r.result[0]))
    return fail(r, "N3S format requires both the geometry and result file to be specified.",
                FLAG_ALWAYS, false);
  if (r.format == 1) {
    Plot3d_read_settings_rec pending;
    data_plot3d_readinfo(&pending, 0);
    r.p3d = pending;
    // The server's judgement of the grid file is what the read then uses.
    if (r.geom[0]) plot3d_test(r.geom, r.path, &r.p3d);
    int *row = Data_plot3d_rflags[c];
    row[0] = r.p3d.iblanked, row[1] = r.p3d.multizone, row[2] = r.p3d.read_as, row[3] = r.p3d.dimension;
    if (plot3d_lines(r, pending) != 0) return -1;
  }
  r.two_files = userdef_two_files(c, r.format);
  r.start = Cmd_data_startstep;
  if (r.start != -1) {
    char step[16];
    snprintf(step, sizeof step, "%d", r.start);
    if (data_line(r, "start_time", step) != 0) return -1;
  }
  return 0;
}

const char *const Geometry_codes[6] = {
    nullptr,
    "Error allocating memory.",
    "Error opening files.",
    "Error reading geometry data.",
    "Error writing tmp files - disk space?.",
    "Error creating part.",
};
const char *const Measured_codes[6] = {
    nullptr,
    "Failed allocating memory for measured part.",
    "Failed opening the measured or related file.",
    "Failed reading from measured related file.",
    "Failed writing to a measured related file, disk space?",
    "Could not create measured part.",
};

// Step 6: the geometry exchange and what follows it.
int read_geometry_step(Read_rec &r) {
  int c = r.case_index;
  set_working_cursor("**Reading Geometry**");
  int code = read_geometry(r.format, r.geom, r.result, &r.gstatus, &r.p3d, r.start);
  if (code >= 1 && code <= 5) {
    which_path(c, (char *)" ", 1);
    return fail(r, Geometry_codes[code], FLAG_COMMAND, true);
  }
  if (r.format > DATA_USERDEF_LAST) return fail(r, "Incorrect File Type", FLAG_COMMAND, true);
  if (single_file_format(r.format) && load_single_file_parts(r) != 0) return -1;
  if (code != -1 && Data_partlist_refresh) Data_partlist_refresh();
  viewports_display_all();
  unset_working_cursor();
  if (r.gstatus != 0) {
    Gexist[c] = 1;
    if (r.source == 0) snprintf(Data_geom_file[c], DATA_NAME_LEN, "%s", r.typed_geom);
  } else
    return fail(r, "Error reading Geometry information.", FLAG_COMMAND, true);
  return 0;
}

// Step 7: ESTET vectors. The dialog read waits in the Vector Builder, whose
// close tells the server vector building is over; without the builder the
// dialog read, too, tells the server that no vectors are to be combined.
int estet_vectors(Read_rec &r) {
  if (r.source == 0 && Estet_vctbld_windep.run) {
    Estet_vctbld_windep.run();
    return 0;
  }
  if (r.source != 0 && Destnewvct_cnt >= 1) {
    int rc = datavctbld_proccmds();
    datavctbld_release();
    if (rc == -1) {
      Command_proc_err = 1;
      return -1;
    }
    return 0;
  }
  int count = 0;
  char(*names)[ORIG_SCALAR_LEN] = nullptr;
  if (orig_avail_scalars(&count, &names) >= 0) {
    free(Destnewvct_scalars);
    Destnewvct_scalars = names;
    Destnewvct_nscalars = count;
  }
  finish_vector_combine();
  return 0;
}

int read_results_step(Read_rec &r) {
  int c = r.case_index;
  if (!Gexist[c])
    return fail(r, "The geometry file must be read before reading results.", FLAG_COMMAND, true);
  set_working_cursor("**Reading Results**");
  int rstatus = 0;
  int rc = read_result(r.result, &rstatus, r.meas[0] ? 1 : 0);
  if (rc == -1) return fail(r, "Could not read results file.", FLAG_COMMAND, true);
  if (rc == -10) return fail(r, "Result file MUST have non-negative increasing time", FLAG_COMMAND, true);
  Rexist[c] = 1;
  r.results_read = 1;
  mod_var_info();
  if (r.source == 0 && rstatus) snprintf(Data_result_file[c], DATA_NAME_LEN, "%s", r.typed_result);
  return 0;
}

int read_measured_step(Read_rec &r) {
  int c = r.case_index;
  int mstatus = 1;
  if (!Gexist[c])
    return fail(r, "The geometry file must be read before reading measured results.", FLAG_COMMAND,
                true);
  set_working_cursor("**Reading Measured**");
  int spare = 0;
  char name[DATA_NAME_LEN];
  snprintf(name, sizeof name, "%s", r.meas[0] ? r.meas : Data_meas_file[c]);
  int code = read_measure(name, &mstatus, &spare);
  if (code >= 1 && code <= 5) return fail(r, Measured_codes[code], FLAG_COMMAND, true);
  if (code < 0) return fail(r, "Error reading measured result file.", FLAG_COMMAND, true);
  if (mstatus) {
    if (r.source == 0) snprintf(Data_meas_file[c], DATA_NAME_LEN, "%s", r.typed_meas);
    Mexist[c] = 1;
    r.meas_read = 1;
  }
  mod_var_info();
  return 0;
}

// Step 13, the end of every read that did not fail.
int finish_read() {
  active_variables_update_case();
  unset_working_cursor();
  data_refresh_dependencies();
  return 1;
}

}  // namespace

int data_setup_apply(int source) {
  Read_rec r;
  r.source = source;
  r.case_index = Case_num;
  r.format = Data_format[Case_num];
  r.steps_before = Time_tot_steps;
  int c = r.case_index;
  if (Online[c + 1] != 1)
    return fail(r, "Data Read: Must be connected to the server to read data.", FLAG_COMMAND, false);
  int need_read = 1;
  if (source == 0) {
    need_read = 0;
    if (dialog_settings(r, &need_read) != 0) return -1;
  } else if (command_settings(r) != 0) {
    return -1;
  }
  if (!need_read) return finish_read();
  size_t plen = strlen(r.path);
  size_t longest = std::max(strlen(r.geom), std::max(strlen(r.result), strlen(r.meas)));
  if (plen + longest > DATA_NAME_LEN - 1)
    return fail(r, "Error reading file: path name is too long.", FLAG_ALWAYS, true);
  if (r.geom[0] && read_geometry_step(r) != 0) return -1;
  if (r.format == 4 && r.geom[0] && estet_vectors(r) != 0) return -1;
  mod_var_info();
  bool want_results = r.result[0] || (r.geom[0] && geometry_carries_results(r.format, r.two_files));
  if (want_results && read_results_step(r) != 0) return -1;
  if (r.format == 1) data_plot3dpartc_init(0);
  bool want_meas = r.meas[0] || (r.format == DATA_FORMAT_CASEFILE && r.geom[0] && Data_meas_file[c][0]);
  if (want_meas && read_measured_step(r) != 0) return -1;
  if ((want_results || r.meas[0]) && set_start_step(r) != 0) return -1;
  if (data_line(r, "read", nullptr) != 0) return -1;
  return finish_read();
}


void datachange_flags(int *geom, int *result, int *measured, int mode) {
  int *flags[3] = {geom, result, measured};
  for (int i = 0; i < 3; i++) {
    if (!flags[i]) continue;
    if (mode == 0)
      *flags[i] = Pending_change[i];
    else if (mode == 1)
      Pending_change[i] = *flags[i];
  }
}
