// The "data:" category: each keyword sets one reader setting of the current
// case or one pending value of the next command read; "read" reads. The file
// names go into the case's tables before the read and raise the pending
// changed flags; data_setup_apply takes them from there.
#include "data/data_cmdproc.h"

#include <strings.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "client/cmd_play.h"
#include "client/command_dlog.h"
#include "client/conect.h"
#include "client/screen.h"
#include "client/textutil.h"
#include "data/data_dlog.h"
#include "data/data_format.h"
#include "data/data_read.h"
#include "data/partbuild.h"
#include "data/pbuild.h"
#include "parts/read.h"

enum Data_cmd_id {
  DATA_GEOMETRY = 0,
  DATA_RESULT = 1,
  DATA_MEASURED = 2,
  DATA_PATH = 3,
  DATA_FORMAT = 4,
  DATA_START_TIME = 5,
  DATA_PLOT3DIBLANK = 6,
  DATA_PLOT3DMULTI_ZONE = 7,
  DATA_PLOT3DREAD_AS = 8,
  DATA_PLOT3DDIMENSION = 9,
  DATA_NATIVE_BINARY = 10,
  DATA_MULTIPLE_CASE_READ = 11,
  DATA_SELECT_CASE_BEGIN = 12,
  DATA_SELECT_CASE_END = 13,
};

static const Cmd_option_rec dt_format[] = {
    {"quivane", 0}, {"plot3d", 1}, {"fidap", 2}, {"n3s", 3},  {"estet", 4},
    {"tarv4", 5},   {"movie", 6},  {"ansys", 7}, {"abaqus", 8}, {"tarv", 0},
    {"case", 10},   {"fast-unstructured", 9},    {"", -99}};
static const Cmd_option_rec dt_readas[] = {
    {"ascii", 0}, {"c_binary", 1}, {"fortran_binary", 2}, {"", -99}};
static const Cmd_option_rec dt_p3ddim[] = {{"1d", 0}, {"2d", 1}, {"3d", 2}, {"", -99}};

const Cmd_keyword_rec Cmds_data[] = {
    {"geometry", 1, 's', 0, DATA_GEOMETRY, nullptr},
    {"result", 1, 's', 0, DATA_RESULT, nullptr},
    {"measured", 1, 's', 0, DATA_MEASURED, nullptr},
    {"path", 1, 's', 0, DATA_PATH, nullptr},
    {"format", 1, 's', 0, DATA_FORMAT, dt_format},
    {"start_time", 1, 'd', 0, DATA_START_TIME, nullptr},
    {"plot3diblank", 1, 'n', 0, DATA_PLOT3DIBLANK, nullptr},
    {"plot3dmulti_zone", 1, 'n', 0, DATA_PLOT3DMULTI_ZONE, nullptr},
    {"plot3dread_as", 1, 's', 0, DATA_PLOT3DREAD_AS, dt_readas},
    {"plot3ddimension", 1, 's', 0, DATA_PLOT3DDIMENSION, dt_p3ddim},
    {"native_binary", 1, 'n', 0, DATA_NATIVE_BINARY, nullptr},
    {"multiple_case_read", 1, 'n', 0, DATA_MULTIPLE_CASE_READ, nullptr},
    {"select_case_begin", 0, 'z', 0, DATA_SELECT_CASE_BEGIN, nullptr},
    {"select_case_end", 0, 'z', 0, DATA_SELECT_CASE_END, nullptr},
    CMD_KEYWORD_END};

const char *data_format_word(int code) {
  for (int i = 0; dt_format[i].keyword[0]; i++)
    if (dt_format[i].value == code) return dt_format[i].keyword;
  return "";
}

// The value of an option keyword of a list, compared without regard to case; -1 none.
static int option_of(const Cmd_option_rec *list, const char *word) {
  for (int i = 0; list[i].keyword[0]; i++)
    if (strcasecmp(list[i].keyword, word) == 0) return list[i].value;
  return -1;
}

static int refuse(const char *text) {
  disperr(text);
  Command_proc_err = 1;
  return -1;
}

// A user-defined reader of the case's server named word (blanks read as
// '-'): its format code 11.., or -1.
static int userdef_format_of(const char *word) {
  char current[USERD_NAME_LEN];
  int two = 0;
  if (get_userd_reader_name(current, &two) != 0 || strcasecmp(current, "no_custom") == 0) return -1;
  int c = Case_num;
  for (int i = 0; Userdef_readers[c] && i < Userdef_readercnt[c]; i++) {
    char name[USERD_NAME_LEN];
    snprintf(name, sizeof name, "%s", Userdef_readers[c][i]);
    for (char *p = name; *p; p++)
      if (*p == ' ') *p = '-';
    if (strcasecmp(name, word) == 0) return DATA_USERDEF_FIRST + i;
  }
  return -1;
}

static int set_format(const char *value) {
  int code = option_of(dt_format, value);
  if (code < 0) code = userdef_format_of(value);
  if (code < 0) return refuse("data: Bad format.");
  int c = Case_num;
  Data_format[c] = code;
  if (code >= DATA_USERDEF_FIRST && code <= DATA_USERDEF_LAST) Data_udformat[c] = code - DATA_USERDEF_FIRST;
  if (code == 1 || code == 4)
    Data_meshtype[c] = 1;
  else if (code != 8)
    Data_meshtype[c] = 0;
  return 1;
}

// A file name into one of the case's name fields; a name that, with the
// path, cannot fit is refused rather than cut.
static int set_name(char *field, const char *value, int flag_index) {
  if (strlen(value) > DATA_NAME_LEN - 1) return refuse("Error reading file: path name is too long.");
  snprintf(field, DATA_NAME_LEN, "%s", value);
  int flags[3];
  datachange_flags(&flags[0], &flags[1], &flags[2], 0);
  flags[flag_index] = 1;
  datachange_flags(&flags[0], &flags[1], &flags[2], 1);
  return 1;
}

static int set_plot3d_field(int id, int value) {
  Plot3d_read_settings_rec s;
  data_plot3d_readinfo(&s, 0);
  int *field[4] = {&s.iblanked, &s.multizone, &s.read_as, &s.dimension};
  *field[id - DATA_PLOT3DIBLANK] = value;
  data_plot3d_readinfo(&s, 1);
  return 1;
}

static int set_native_binary(int cat_index, int kw_row, const char *params) {
  int current = 0;
  server_byte_swap_toggle(&current, 0);
  float v[2] = {0, 0};
  if (cmd_process_params(cat_index, kw_row, params, v) < 0)
    return refuse("data_cmdproc: Parameters of the command were incorrect.");
  int want = v[0] != 0 ? 1 : 0;
  int c = Case_num;
  if (Gexist[c] && want != current) return refuse("Geometry already exists. Can't change binary type.");
  if (Online[c + 1] != 1)
    return refuse("Must be connected to the server to change the native binary data setting.");
  server_byte_swap_toggle(&want, 1);
  return 1;
}

// Parts of an older-syntax command file after a Quivane 5 read, as that
// syntax's load choice asks.
static int older_syntax_load() {
  int choice = 0;
  tarv_partbld_vals(&choice, 0);
  int ignored = 0, data_type = 0, nsel = 0, *sel = nullptr, domain = 0, ijk[9];
  char desc[PBLD_DESC_LEN];
  generic_partbld_vals(&ignored, &data_type, &nsel, &sel, desc, ijk, &domain, 0);
  free(sel);
  int n = Num_unstruct[Case_num];
  std::vector<int> list;
  if (choice == 0)
    for (int p = 1; p <= n; p++) list.push_back(p);
  else if (choice == 1)
    list.push_back(1);
  else if (choice == 2)
    for (int p = 2; p <= n; p++) list.push_back(p);
  else
    return refuse("data_partbuild: load option not supported in Quivane 6.0.");
  int count = (int)list.size();
  int *block = list.data();
  generic_partbld_vals(&ignored, &data_type, &count, &block, desc, ijk, &domain, 1);
  data_generic_creatpart(0, 1);
  return 1;
}

static int read_now() {
  Command_proc_err = 0;
  data_setup_apply(1);
  if (Command_proc_err == 1) {
    Command_proc_err = 0;
    return -1;
  }
  int none[3] = {0, 0, 0};
  datachange_flags(&none[0], &none[1], &none[2], 1);
  if (Data_format[Case_num] == 0 && Cmd_file_format == 5) return older_syntax_load();
  return 1;
}

int data_cmdproc(const char *, const char *, const char *keyword, const char *params, int cat_index,
                 int kw_row, int cmd_id, const int *, int) {
  if (kw_row == CMD_NOT_FOUND) {
    if (keyword && strcasecmp(keyword, "read") == 0) return read_now();
    return refuse("data: Bad command for this category.");
  }
  if (cmd_id >= DATA_MULTIPLE_CASE_READ) return 1;
  const char *text = params ? params : "";
  char *answer = nullptr;
  if (cmd_param_asked(&text, &answer,
                      cmd_id == DATA_FORMAT ? Cmd_no_value_entered : nullptr) < 0) {
    Command_proc_err = 1;
    return -1;
  }
  int c = Case_num;
  int r = 1;
  float v[2] = {0, 0};
  switch (cmd_id) {
    case DATA_GEOMETRY:
      r = text[0] ? set_name(Data_geom_file[c], text, 0) : refuse("data: No geometry file specified.");
      break;
    case DATA_RESULT: {
      int f = Data_format[c];
      r = f == 2 || f == 4 || f == 7 || f == 10 ? refuse("Illegal command for this data format.")
                                                : set_name(Data_result_file[c], text, 1);
      break;
    }
    case DATA_MEASURED:
      r = set_name(Data_meas_file[c], text, 2);
      break;
    case DATA_PATH: {
      char path[DATA_NAME_LEN];
      if (strlen(text) > DATA_NAME_LEN - 1) {
        r = refuse("Error reading file: path name is too long.");
        break;
      }
      strip_pre_post_chars(text, path, ' ');
      which_path(c, path, 1);
      break;
    }
    case DATA_FORMAT:
      r = set_format(text);
      break;
    case DATA_START_TIME:
      if (cmd_process_params(cat_index, kw_row, text, v) < 0)
        r = refuse("data_cmdproc: Bad start time value.");
      else
        Cmd_data_startstep = (int)v[0];
      break;
    case DATA_PLOT3DIBLANK:
    case DATA_PLOT3DMULTI_ZONE:
      r = cmd_process_params(cat_index, kw_row, text, v) < 0
              ? refuse("data_cmdproc: Parameters of the command were incorrect.")
              : set_plot3d_field(cmd_id, v[0] != 0 ? 1 : 0);
      break;
    case DATA_PLOT3DREAD_AS:
    case DATA_PLOT3DDIMENSION: {
      int value = option_of(Cmds_data[kw_row].options, text);
      r = value < 0 ? refuse("data: Bad format.") : set_plot3d_field(cmd_id, value);
      break;
    }
    case DATA_NATIVE_BINARY:
      r = set_native_binary(cat_index, kw_row, text);
      break;
    default:
      break;
  }
  free(answer);
  return r;
}
