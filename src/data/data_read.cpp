// The read exchanges of a case (see data_read.h). Owns the per-case tables
// the geometry exchange fills: periodicity, PLOT3D zones, ESTET and N3S
// data, structured dimensions, the measured file named by a case file.
//
// Geometry exchange, client to server (strings are an int length and bytes):
//   "set file path" path; "use part numbers" int array Part_cross (when the
//   case is active); "set data type" format (11 and the reader index for
//   user-defined readers);
//   Case:          "read casefile" name -> int status (-1 refused), string
//                  geometry name, string measured name
//   user-defined:  "send userd files" int len [string] twice -> int status
//   "read geom" name, int 0 -> int (ignored); then by format:
//   0     <- second-name block; -> status; 0: limit, counts[, block], flags
//   1     <- int array settings; -> status; 0: zones, per zone I J K option, flags
//   2,6-8 -> flags
//   3     <- second name string; -> int, int; int; 0: periodicity kind and
//            values, colours, boundary tables, 20 names, flags
//   4     -> status; 0: I J K, bc flag, flags
//   5,9   <- second-name block; -> flags
//   10    -> status; 0: limit, counts[, block], periodic flag[, values],
//            flags; else periodic flag[, values], flags
//   11-30 -> status; 0: limit, counts[, block], flags
// A non-zero status is followed by the flags block (the failure tail):
// Geom_change, node labels, element labels, final code.
#include "data/data_read.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "anim/timeset.h"
#include "client/cases.h"
#include "client/ccp.h"
#include "client/conect.h"
#include "client/screen.h"
#include "data/data_dlog.h"
#include "data/data_format.h"
#include "data/pbuild.h"
#include "interact/vector3.h"
#include "palette/annotate.h"
#include "parts/attribute.h"
#include "parts/periodic.h"
#include "parts/read.h"
#include "render/disobj.h"
#include "variables/variables.h"
#include "view/frames.h"
#include "view/viewports.h"

char Data_meas_file[MAX_CASES][DATA_NAME_LEN];
int Kperio[MAX_CASES];
float Pasper[3][MAX_CASES];
int Plot3d_max_zones[MAX_CASES];
int *Plot3d_max_x[MAX_CASES];
int *Plot3d_max_y[MAX_CASES];
int *Plot3d_max_z[MAX_CASES];
int *Plot3d_d_flag[MAX_CASES];
int Max_x_node[MAX_CASES], Max_y_node[MAX_CASES], Max_z_node[MAX_CASES];
int Bc_flag[MAX_CASES];
int Struct_max_i[MAX_CASES], Struct_max_j[MAX_CASES], Struct_max_k[MAX_CASES];
int N3snumcol[MAX_CASES];
int *N3scolors[MAX_CASES];
int N3snumbound[MAX_CASES];
int *N3sboundcon[MAX_CASES];
int *N3snumbccodes[MAX_CASES];
int **N3sbccodes[MAX_CASES];
char N3svarname[MAX_CASES][N3S_VARNAMES][N3S_VARNAME_LEN];

static const int MAX_ZONES = 1 << 20;     // zones one PLOT3D grid may announce
static const int MAX_N3S_LIST = 1 << 20;  // entries of one N3S table
static const int SLOT_SYMMETRY_ANGLE = 28;
static const int SLOT_SYMMETRY_DELTA = 40;

static void release_zones(int c) {
  int **arrays[4] = {&Plot3d_max_x[c], &Plot3d_max_y[c], &Plot3d_max_z[c], &Plot3d_d_flag[c]};
  for (int **a : arrays) {
    free(*a);
    *a = nullptr;
  }
  Plot3d_max_zones[c] = 0;
}

static void release_n3s(int c) {
  if (N3sbccodes[c]) free(N3sbccodes[c][0]);
  free(N3sbccodes[c]);
  N3sbccodes[c] = nullptr;
  int **lists[3] = {&N3scolors[c], &N3sboundcon[c], &N3snumbccodes[c]};
  for (int **l : lists) {
    free(*l);
    *l = nullptr;
  }
  N3snumcol[c] = N3snumbound[c] = 0;
}

void data_read_release(int c) {
  release_zones(c);
  release_n3s(c);
}

void send_part_numbers() {
  int c = Case_num;
  if (!Case_info[c].active) return;
  ccsstr(Isockt[c], "use part numbers", 16);
  ccsinn(Isockt[c], Part_cross, MAX_PART_NUMBER);
}

// An int length and, when positive, the name.
static int send_name_block(int ch, const char *name) {
  int len = (int)strlen(name);
  if (ccsint(ch, len) != 0) return -1;
  return len > 0 ? ccsstr(ch, name, len) : 0;
}

// A string into a buffer of size bytes, its head kept and NUL-terminated.
static int recv_name(int ch, char *buf, int size) {
  int len = 0;
  if (ccrstr_keep(ch, 1, buf, size - 1, &len) != 0) {
    buf[0] = '\0';
    return -1;
  }
  buf[len < size - 1 ? len : size - 1] = '\0';
  return 0;
}

// Flags block: Geom_change, node labels, element labels, final code.
static int recv_flags(int ch, int c, int *code) {
  if (ccrint(ch, 1, &Geom_change[c]) != 0 || ccrint(ch, 1, &Node_labels[c]) != 0 ||
      ccrint(ch, 1, &Element_labels[c]) != 0 || ccrint(ch, 1, code) != 0)
    return -1;
  return 0;
}

static int recv_limit(int ch) {
  int over = 0, n = 0;
  if (ccrint(ch, 1, &over) != 0) return -1;
  if (over == 0) return 0;
  if (ccrint(ch, 1, &n) != 0) return -1;
  char text[120];
  snprintf(text, sizeof text, "Parts limit = %d, parts from %d - %d Not available!", 4999, 5000, n);
  warn(text);
  return 0;
}

static int recv_counts(int ch, int c) {
  if (ccrint(ch, 1, &Num_unstruct[c]) != 0 || ccrint(ch, 1, &Num_struct[c]) != 0) return -1;
  Tot_num_quivane_parts[c] = Num_unstruct[c] + Num_struct[c];
  if (Tot_num_quivane_parts[c] == 0) return 0;
  return pbuild_receive_block(ch, c);
}

// Periodicity of the given kind (the kind int already read).
static int recv_periodic_values(int ch, int c, int kind) {
  Kperio[c] = kind;
  float words[FRAME_ATTR_WORDS];
  char name[FRAME_NAME_LEN];
  if (kind == 1) {
    for (int r = 0; r < 3; r++)
      if (ccrflt(ch, 1, &Pasper[r][c]) != 0) return -1;
    if (c == 0 && frame_attributes(0, words, name, 0) == 1) {
      for (int r = 0; r < 3; r++) words[SLOT_SYMMETRY_DELTA + r] = Pasper[r][c];
      frame_attributes(0, words, name, 1);
    }
  } else if (kind == 2) {
    float radians = 0;
    if (ccrflt(ch, 1, &radians) != 0) return -1;
    Pasper[0][c] = to_degrees(radians);
    if (c == 0 && frame_attributes(0, words, name, 0) == 1) {
      words[SLOT_SYMMETRY_ANGLE] = Pasper[0][c];
      frame_attributes(0, words, name, 1);
    }
  }
  return 0;
}

static int recv_periodic_flag(int ch, int c) {
  int flag = 0;
  if (ccrint(ch, 1, &flag) != 0) return -1;
  if (flag == 0) return 0;
  int kind = 0;
  if (ccrint(ch, 1, &kind) != 0) return -1;
  return recv_periodic_values(ch, c, kind);
}

static int recv_zones(int ch, int c) {
  release_zones(c);
  int n = 0;
  if (ccrint(ch, 1, &n) != 0) return -1;
  if (n < 0 || n > MAX_ZONES) return -1;
  int *a[4] = {nullptr, nullptr, nullptr, nullptr};
  bool made = true;
  for (int **slot : {&a[0], &a[1], &a[2], &a[3]}) {
    *slot = static_cast<int *>(calloc((size_t)(n > 0 ? n : 1), sizeof(int)));
    made = made && *slot;
  }
  if (!made) {
    report_alloc_failure(__LINE__, "read", " ");
    for (int *p : a) free(p);
  }
  for (int z = 0; z < n; z++)
    for (int k = 0; k < 4; k++) {
      int v = 0;
      if (ccrint(ch, 1, &v) != 0) {
        if (made)
          for (int *p : a) free(p);
        return -1;
      }
      if (made) a[k][z] = v;
    }
  if (!made) return 0;
  Plot3d_max_x[c] = a[0];
  Plot3d_max_y[c] = a[1];
  Plot3d_max_z[c] = a[2];
  Plot3d_d_flag[c] = a[3];
  Plot3d_max_zones[c] = n;
  if (n > 0) {
    Struct_max_i[c] = a[0][0];
    Struct_max_j[c] = a[1][0];
    Struct_max_k[c] = a[2][0];
  }
  return 0;
}

// One N3S int array into a new table of its own length.
static int recv_n3s_list(int ch, int **out, int *count) {
  int n = 0;
  if (ccrint(ch, 1, &n) != 0 || n < 0 || n > MAX_N3S_LIST) return -1;
  *out = static_cast<int *>(calloc((size_t)(n > 0 ? n : 1), sizeof(int)));
  for (int k = 0; k < n; k++) {
    int v = 0;
    if (ccrint(ch, 1, &v) != 0) return -1;
    if (*out) (*out)[k] = v;
  }
  if (count) *count = n;
  return 0;
}

static int recv_n3s(int ch, int c) {
  int kind = 0, n = 0;
  if (ccrint(ch, 1, &kind) != 0 || recv_periodic_values(ch, c, kind) != 0) return -1;
  release_n3s(c);
  if (ccrint(ch, 1, &N3snumcol[c]) != 0 || recv_n3s_list(ch, &N3scolors[c], &n) != 0) return -1;
  int nb = 0;
  if (ccrint(ch, 1, &nb) != 0 || recv_n3s_list(ch, &N3sboundcon[c], &n) != 0 ||
      recv_n3s_list(ch, &N3snumbccodes[c], &n) != 0 || nb < 0 || nb > MAX_N3S_LIST)
    return -1;
  N3snumbound[c] = nb;
  int widest = 1;
  for (int b = 0; b < nb && b < n && N3snumbccodes[c]; b++)
    if (N3snumbccodes[c][b] > widest) widest = N3snumbccodes[c][b];
  if (widest > MAX_N3S_LIST) widest = MAX_N3S_LIST;
  int **rows = nb > 0 ? static_cast<int **>(calloc((size_t)nb, sizeof(int *))) : nullptr;
  int *block = rows ? static_cast<int *>(calloc((size_t)nb * widest, sizeof(int))) : nullptr;
  if (nb > 0 && !block) {
    free(rows);
    rows = nullptr;
    fprintf(stderr, "D2CALLOC(cols): Memory allocation failed:\n");
  }
  for (int b = 0; b < nb; b++) {
    if (rows) rows[b] = block + (size_t)b * widest;
    int got = 0;
    int sink = 0;
    if (ccrinn_keep(ch, 1, rows ? rows[b] : &sink, rows ? widest : 0, &got) != 0) {
      if (rows) free(block);
      free(rows);
      return -1;
    }
  }
  N3sbccodes[c] = rows;
  for (int k = 0; k < N3S_VARNAMES; k++)
    if (recv_name(ch, N3svarname[c][k], N3S_VARNAME_LEN) != 0) return -1;
  return 0;
}

// Step 7: the start step's time becomes current; with no time line none does.
static void set_start_time(int start_step) {
  if (Time_tot_steps <= 0 || !Time_steps) return;
  int first = (int)Time_steps[0][0], last = (int)Time_steps[Time_tot_steps - 1][0];
  int step = start_step < first || start_step > last ? last : start_step;
  int idx = Time_tot_steps - 1;
  for (int k = 0; k < Time_tot_steps; k++)
    if ((int)Time_steps[k][0] == step) {
      idx = k;
      break;
    }
  set_active_time(Time_steps[idx][1]);
}

// The failure tail: the flags block, then the read counts as failed.
static int failure_tail(int ch, int c, int *gstatus) {
  int code = -1;
  recv_flags(ch, c, &code);
  *gstatus = 0;
  return code;
}

static int channel_lost(int *gstatus) {
  fprintf(stderr, "E> read: the case server stopped answering.\n");
  *gstatus = 0;
  return -1;
}

int read_geometry(int format, char *geometry, const char *second, int *gstatus,
                  const Plot3d_read_settings_rec *settings, int start_step) {
  int c = Case_num, ch = Isockt[c];
  *gstatus = 1;
  bool userdef = format >= DATA_USERDEF_FIRST && format <= DATA_USERDEF_LAST;
  char path[PATH_TEXT] = "";
  which_path(c, path, 0);
  if (!path[0] && geometry[0] != '/' && second[0] != '/') strcpy(path, "./");
  ccsstr(ch, "set file path", 13);
  ccsstr(ch, path, (int)strlen(path));
  send_part_numbers();
  ccsstr(ch, "set data type", 13);
  if (userdef) {
    ccsint(ch, DATA_USERDEF_FIRST);
    ccsint(ch, Data_udformat[c]);
  } else {
    ccsint(ch, format);
  }

  char geom_name[DATA_NAME_LEN];
  snprintf(geom_name, sizeof geom_name, "%s", geometry);
  if (format == DATA_FORMAT_CASEFILE || userdef) {
    int status = 0;
    if (format == DATA_FORMAT_CASEFILE) {
      if (ccsstr(ch, "read casefile", 13) != 0 || ccsstr(ch, geometry, (int)strlen(geometry)) != 0 ||
          ccrint(ch, 1, &status) != 0)
        return channel_lost(gstatus);
      if (status == -1) {
        *gstatus = 0;
        return -1;
      }
      if (recv_name(ch, geom_name, DATA_NAME_LEN) != 0 ||
          recv_name(ch, Data_meas_file[c], DATA_NAME_LEN) != 0)
        return channel_lost(gstatus);
    } else {
      if (ccsstr(ch, "send userd files", 16) != 0 || send_name_block(ch, geometry) != 0 ||
          send_name_block(ch, second) != 0 || ccrint(ch, 1, &status) != 0)
        return channel_lost(gstatus);
      if (status == -1) {
        *gstatus = 0;
        return -1;
      }
    }
    // Without its time steps the case cannot be read: "read geom" is not sent.
    if (get_time_steps(0) == -1) {
      *gstatus = 0;
      return -1;
    }
    set_start_time(start_step);
  }

  if (ccsstr(ch, "read geom", 9) == -1) {
    *gstatus = 0;
    return 2;
  }
  if (Initial_screen == 1) {
    Initial_screen = 0;
    clear_initial_screen();
    text_line_init();
    erase_screen();
    swapbuffers();
  }
  if (format == DATA_FORMAT_CASEFILE) snprintf(geometry, DATA_NAME_LEN, "%s", geom_name);
  int ignored = 0;
  if (ccsstr(ch, geom_name, (int)strlen(geom_name)) != 0 || ccsint(ch, 0) != 0 ||
      ccrint(ch, 1, &ignored) != 0)
    return channel_lost(gstatus);
  if (format < 0 || format > DATA_USERDEF_LAST) {
    printf("\n");
    printf("--------------------\n");
    printf("INVALID DATA FORMAT!\n");
    printf("--------------------\n");
    printf("\n");
    *gstatus = 0;
    return -1;
  }

  int status = 0, code = -1;
  switch (format) {
    case 0:
      if (send_name_block(ch, second) != 0 || ccrint(ch, 1, &status) != 0)
        return channel_lost(gstatus);
      if (status != 0) return failure_tail(ch, c, gstatus);
      if (recv_limit(ch) != 0 || recv_counts(ch, c) != 0 || recv_flags(ch, c, &code) != 0)
        return channel_lost(gstatus);
      get_time_steps(0);
      return code;
    case 1: {
      int s[4] = {settings->iblanked, settings->multizone, settings->read_as, settings->dimension};
      if (ccsinn(ch, s, 4) != 0 || ccrint(ch, 1, &status) != 0) return channel_lost(gstatus);
      if (status != 0) return failure_tail(ch, c, gstatus);
      if (recv_zones(ch, c) != 0 || recv_flags(ch, c, &code) != 0) return channel_lost(gstatus);
      get_time_steps(0);
      return code;
    }
    case 3: {
      int a = 0, b = 0, third = 0;
      if (ccsstr(ch, second, (int)strlen(second)) != 0 || ccrint(ch, 1, &a) != 0 ||
          ccrint(ch, 1, &b) != 0)
        return channel_lost(gstatus);
      if (a != 0 || b != 0) return failure_tail(ch, c, gstatus);
      if (ccrint(ch, 1, &third) != 0) return channel_lost(gstatus);
      if (third != 0) {
        failure_tail(ch, c, gstatus);
        return third;
      }
      if (recv_n3s(ch, c) != 0 || recv_flags(ch, c, &code) != 0) return channel_lost(gstatus);
      if (code == 0) load_dynamic_strings();
      return code;
    }
    case 4:
      if (ccrint(ch, 1, &status) != 0) return channel_lost(gstatus);
      if (status != 0) return failure_tail(ch, c, gstatus);
      if (ccrint(ch, 1, &Max_x_node[c]) != 0 || ccrint(ch, 1, &Max_y_node[c]) != 0 ||
          ccrint(ch, 1, &Max_z_node[c]) != 0 || ccrint(ch, 1, &Bc_flag[c]) != 0 ||
          recv_flags(ch, c, &code) != 0)
        return channel_lost(gstatus);
      Struct_max_i[c] = Max_x_node[c];
      Struct_max_j[c] = Max_y_node[c];
      Struct_max_k[c] = Max_z_node[c];
      get_time_steps(0);
      return code;
    case 5:
    case 9:
      if (send_name_block(ch, second) != 0) return channel_lost(gstatus);
      [[fallthrough]];
    case 2:
    case 6:
    case 7:
    case 8:
      if (recv_flags(ch, c, &code) != 0) return channel_lost(gstatus);
      if (code == 0) {
        create_all_parts();
        load_dynamic_strings();
        get_time_steps(0);
      }
      return code;
    case DATA_FORMAT_CASEFILE:
      if (ccrint(ch, 1, &status) != 0) return channel_lost(gstatus);
      if (status != 0) {
        if (recv_periodic_flag(ch, c) != 0) return channel_lost(gstatus);
        return failure_tail(ch, c, gstatus);
      }
      if (recv_limit(ch) != 0 || recv_counts(ch, c) != 0 || recv_periodic_flag(ch, c) != 0 ||
          recv_flags(ch, c, &code) != 0)
        return channel_lost(gstatus);
      return code;
    default:  // user-defined readers
      if (ccrint(ch, 1, &status) != 0) return channel_lost(gstatus);
      if (status != 0) return failure_tail(ch, c, gstatus);
      if (recv_limit(ch) != 0 || recv_counts(ch, c) != 0 || recv_flags(ch, c, &code) != 0)
        return channel_lost(gstatus);
      return code;
  }
}

// The PLOT3D reference variables after results: unset ones are looked up
// by name, and the free-stream Mach number is asked for.
static void plot3d_references(int c) {
  int ids[5];
  float k[6];
  plot3d_extended_variables(&ids[0], &ids[1], &ids[2], &ids[3], &ids[4], &k[0], &k[1], &k[2], &k[3],
                            &k[4], &k[5], 0);
  int &density = ids[0], &energy = ids[1], &momentum = ids[3], &velocity = ids[4];
  if (energy != -1 && (momentum != -1 || velocity != -1)) return;
  if (Data_format[c] == 1) {
    ccsstr(Isockt[c], "get free mach number", 20);
    ccrflt(Isockt[c], 1, &k[0]);
  }
  struct {
    const char *name;
    int *id;
  } refs[4] = {{"Density", &density}, {"Energy", &energy}, {"Momentum", &momentum},
               {"Velocity", &velocity}};
  for (auto &r : refs) {
    if (*r.id != -1) continue;
    int row = varindx_by_name(r.name);
    if (row >= 0) *r.id = Variables[row].id;
  }
  if (momentum != -1 && velocity != -1) momentum = -1;
  plot3d_extended_variables(&ids[0], &ids[1], &ids[2], &ids[3], &ids[4], &k[0], &k[1], &k[2], &k[3],
                            &k[4], &k[5], 1);
  if (Extend_plot3d_function_list) {
    int on = 1;
    extended_plot3d_functions_state(&on, 1);
  }
}

int read_result(const char *result, int *rstatus, int measured_follows) {
  int c = Case_num, ch = Isockt[c];
  *rstatus = 0;
  int code = 0;
  if (ccsstr(ch, "read result", 11) != 0 || send_name_block(ch, result) != 0 ||
      ccrint(ch, 1, &Geom_change[c]) != 0 || ccrint(ch, 1, &code) != 0)
    return -1;
  if (code == -1 || code == -10) return code;
  if (!measured_follows && (get_time_steps(1) == -1 || get_the_results() == -1)) return -1;
  if (Data_format[c] == 1 || Extend_plot3d_function_list) plot3d_references(c);
  *rstatus = 1;
  return 1;
}

int read_measure(const char *measured, int *mstatus, int *new_part) {
  int c = Case_num, ch = Isockt[c];
  *mstatus = 0;
  char path[PATH_TEXT] = "";
  which_path(c, path, 0);
  if (!path[0] && measured[0] != '/') strcpy(path, "./");
  ccsstr(ch, "set file path", 13);
  ccsstr(ch, path, (int)strlen(path));
  if (measured[0]) {
    int status = 0;
    if (ccsstr(ch, "read meas", 9) != 0 || ccsstr(ch, measured, (int)strlen(measured)) != 0 ||
        ccrint(ch, 1, &Mgeom_change[c]) != 0 || ccrint(ch, 1, &status) != 0)
      return -1;
    if (status != 0) return status;
    int number = 0, found = 0;
    make_part_number(1, &number, &found);
    if (ccsstr(ch, "build measured part", 19) != 0 || ccsint(ch, number) != 0 ||
        ccrint(ch, 1, &status) != 0)
      return -1;
    if (status != 0) return status;
    char desc[PART_NAME_TEXT] = "Measured/Particle";
    if (create_one_part(number, desc, PART_DISCRETE, 1) == 0) {
      fix_up_case_vis_part(number);
      load_part(number);
      *new_part = number;
      int frame = -1;
      if (part_frame_periodic_check(number, &frame) != -1) do_periodicity(frame, 1, &number);
    }
  }
  if (get_time_steps(1) == -1 || get_the_results() == -1) return 5;
  *mstatus = 1;
  return 0;
}
