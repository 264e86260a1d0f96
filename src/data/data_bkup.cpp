// The "data interface" archive section (see data_bkup.h). The values belong
// to the reader set-up (data_dlog, data_format, data_read); this module only
// writes them out and reads them back, item by item in one fixed order:
//   float version 7.0
//   16 ints  Data_format
//   16 ints  Data_meshtype
//   16 x 4 ints  Data_plot3d_rflags (iblanked, multi-zone, read as, dimension)
//   16 x (geometry, result, measured) names of 255 bytes each
#include "data/data_bkup.h"

#include <cstdint>
#include <cstring>

#include "client/cases.h"
#include "data/data_dlog.h"
#include "data/data_format.h"
#include "data/estet_loader.h"
#include "data/data_read.h"
#include "data/pbuild.h"
#include "state/bkup_section.h"
#include "state/bkup_words.h"
#include "variables/variables.h"

#define NAME_FIELD 255  // bytes of one stored name

static void refresh_variable_lists() {
  var_map_resetall();
  var_reset_interface();
}
void (*Data_interf_varlists_refresh)() = refresh_variable_lists;

namespace {

static_assert(sizeof Data_geom_file[0] == NAME_FIELD && sizeof Data_result_file[0] == NAME_FIELD &&
                  sizeof Data_meas_file[0] == NAME_FIELD,
              "the section stores names of 255 bytes");
static_assert(4 + 16 * 4 * 2 + 16 * 4 * 4 + 16 * 3 * NAME_FIELD == DATA_INTERF_BKUP_BYTES,
              "section length");

int bkup_failed() {
  perror("data_interf_bkup:");
  return -1;
}

// The three names of case c, in the section's order.
char *name_of(int c, int k) {
  return k == 0 ? Data_geom_file[c] : k == 1 ? Data_result_file[c] : Data_meas_file[c];
}

bool put_ints(FILE *fp, const int *v, int n) {
  for (int i = 0; i < n; i++)
    if (!bkup_put_word(fp, (uint32_t)v[i])) return false;
  return true;
}

// Reads n words and stores them only when all came.
bool get_ints(FILE *fp, int *v, int n) {
  int got[MAX_CASES * 4];
  for (int i = 0; i < n; i++) {
    uint32_t w;
    if (!bkup_get_word(fp, &w)) return false;
    got[i] = (int)w;
  }
  memcpy(v, got, sizeof(int) * n);
  return true;
}

// The name, then zeros to the end of the field.
bool put_name(FILE *fp, const char *name) {
  char field[NAME_FIELD] = {};
  memcpy(field, name, strnlen(name, NAME_FIELD - 1));
  return fwrite(field, 1, NAME_FIELD, fp) == NAME_FIELD;
}

// Stores a field read back terminated within it and zero after its end.
bool get_name(FILE *fp, char *name) {
  char field[NAME_FIELD];
  if (fread(field, 1, NAME_FIELD, fp) != NAME_FIELD) return false;
  const size_t len = strnlen(field, NAME_FIELD - 1);
  memset(name, 0, NAME_FIELD);
  memcpy(name, field, len);
  return true;
}

void reset_case(int c) {
  Data_format[c] = DATA_FORMAT_CASEFILE;
  Data_meshtype[c] = 0;
  Data_udformat[c] = 0;
  static const int plot3d_defaults[4] = {0, 0, 1, 2};
  memcpy(Data_plot3d_rflags[c], plot3d_defaults, sizeof plot3d_defaults);
  for (int k = 0; k < 3; k++) memset(name_of(c, k), 0, NAME_FIELD);
}

bool plot3d_settings_valid(const int *f) {
  return f[0] >= 0 && f[0] <= 1 && f[1] >= 0 && f[1] <= 1 && f[2] >= 0 && f[2] <= 2 &&
         f[3] >= 0 && f[3] <= 2;
}

// After a restore, complete or not: a case whose format or PLOT3D settings
// cannot be right starts over from the defaults; the user-defined formats
// name their reader.
void check_restored_cases() {
  for (int c = 0; c < MAX_CASES; c++) {
    const int f = Data_format[c];
    if (f < 0 || f > DATA_USERDEF_LAST || !plot3d_settings_valid(Data_plot3d_rflags[c]))
      reset_case(c);
    else if (f >= DATA_USERDEF_FIRST)
      Data_udformat[c] = f - DATA_USERDEF_FIRST;
  }
}

int save(FILE *fp) {
  float version = DATA_INTERF_BKUP_VERSION;
  uint32_t w;
  memcpy(&w, &version, 4);
  if (!bkup_put_word(fp, w) || !put_ints(fp, Data_format, MAX_CASES) ||
      !put_ints(fp, Data_meshtype, MAX_CASES) ||
      !put_ints(fp, &Data_plot3d_rflags[0][0], MAX_CASES * 4))
    return bkup_failed();
  for (int c = 0; c < MAX_CASES; c++)
    for (int k = 0; k < 3; k++)
      if (!put_name(fp, name_of(c, k))) return bkup_failed();
  return 1;
}

int restore(FILE *fp) {
  uint32_t version;  // any version reads the same way
  bool ok = bkup_get_word(fp, &version) && get_ints(fp, Data_format, MAX_CASES) &&
            get_ints(fp, Data_meshtype, MAX_CASES) &&
            get_ints(fp, &Data_plot3d_rflags[0][0], MAX_CASES * 4);
  for (int c = 0; ok && c < MAX_CASES; c++)
    for (int k = 0; ok && k < 3; k++) ok = get_name(fp, name_of(c, k));
  check_restored_cases();
  if (!ok) return bkup_failed();
  if (Data_interf_varlists_refresh) Data_interf_varlists_refresh();
  return 1;
}

}  // namespace

int data_interf_bkup(FILE *fp, int mode) {
  if (mode == BKUP_SAVE) return fp ? save(fp) : bkup_failed();
  if (mode == BKUP_RESTORE) return fp ? restore(fp) : bkup_failed();
  if (mode == BKUP_RESET) {
    for (int c = 0; c < MAX_CASES; c++) reset_case(c);
    data_plot3d_read_init();
    data_estetread_init();
  }
  return 1;
}
