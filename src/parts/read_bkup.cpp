// The "read_view" archive section (see read_bkup.h).  It owns the match
// records, the constants, topctmsav and the part-build start words; the
// per-case tables belong to the loaders (pbuild.h, data_read.h) and the
// part table (read.h), which this module only writes out and reads back.
// Every word is big-endian; the layout, in order:
//   float version 10.0
//   134 ints: build start (4); 16 x {I, J, K, Tot_num_quivane_parts,
//             Num_struct, Num_unstruct, Num_extpn_to_filepn}; match record
//             count; Kperio[16]; 0
//   per case: Extpn_to_filepn (when counted), Pbuild records of 152 bytes
//             (id, 80 description bytes, kind, 15 dims, iblank option)
//   300 floats constants
//   19 floats: topctmsav (16), Pasper x, y, z of case 0
//   match records: int changed, 256 name bytes each
//   255 bytes default match file name
//   int view-centred flag, int Shared_border_removal
#include "parts/read_bkup.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "client/screen.h"
#include "data/data_read.h"
#include "data/pbuild.h"
#include "parts/periodic.h"
#include "parts/read.h"
#include "state/bkup_words.h"
#include "view/viewer_services.h"

int Part_build_start[4] = {0, 1, 1, 1};
float Constant_values[READ_BKUP_CONSTANTS];

namespace {

const float Version = 10.0f;
const int Int_words = 134;
const int Float_words = 19;
const int Row = 7;            // ints per case row of the int block
const int Default_name = 255; // bytes of the stored default name

int failed() {
  perror("read_bkup:");
  return -1;
}

uint32_t float_bits(float f) {
  uint32_t u;
  memcpy(&u, &f, 4);
  return u;
}
float bits_float(uint32_t u) {
  float f;
  memcpy(&f, &u, 4);
  return f;
}

bool put_int(FILE *fp, int v) { return bkup_put_word(fp, (uint32_t)v); }
bool put_float(FILE *fp, float v) { return bkup_put_word(fp, float_bits(v)); }
bool get_int(FILE *fp, int *v) {
  uint32_t w;
  if (!bkup_get_word(fp, &w)) return false;
  *v = (int)w;
  return true;
}
bool get_float(FILE *fp, float *v) {
  uint32_t w;
  if (!bkup_get_word(fp, &w)) return false;
  *v = bits_float(w);
  return true;
}
bool put_bytes(FILE *fp, const char *b, size_t n) { return fwrite(b, 1, n, fp) == n; }
bool get_bytes(FILE *fp, char *b, size_t n) { return fread(b, 1, n, fp) == n; }

bool put_pbuild(FILE *fp, const Pbuild_rec &r) {
  if (!put_int(fp, r.id) || !put_bytes(fp, r.description, PBUILD_DESC_LEN) || !put_int(fp, r.kind))
    return false;
  for (int d : r.dims)
    if (!put_int(fp, d)) return false;
  return put_int(fp, r.iblank_option);
}
bool get_pbuild(FILE *fp, Pbuild_rec *r) {
  if (!get_int(fp, &r->id) || !get_bytes(fp, r->description, PBUILD_DESC_LEN) ||
      !get_int(fp, &r->kind))
    return false;
  r->description[PBUILD_DESC_LEN - 1] = '\0';
  for (int &d : r->dims)
    if (!get_int(fp, &d)) return false;
  return get_int(fp, &r->iblank_option);
}

void free_match_records() {
  free(Matcher_file);
  Matcher_file = nullptr;
  Matcher_file_count = 0;
}

int save(FILE *fp) {
  std::vector<int> w(Int_words, 0);
  for (int k = 0; k < 4; k++) w[k] = Part_build_start[k];
  for (int c = 0; c < MAX_CASES; c++) {
    int *row = &w[4 + Row * c];
    row[0] = Part_max_ijk[0][c];
    row[1] = Part_max_ijk[1][c];
    row[2] = Part_max_ijk[2][c];
    row[3] = Pbuild[c] ? Tot_num_quivane_parts[c] : 0;
    row[4] = Num_struct[c];
    row[5] = Num_unstruct[c];
    row[6] = Extpn_to_filepn[c] ? Num_extpn_to_filepn[c] : 0;
  }
  w[116] = Matcher_file ? Matcher_file_count : 0;
  for (int c = 0; c < MAX_CASES; c++) w[117 + c] = Kperio[c];
  if (!put_float(fp, Version)) return failed();
  for (int v : w)
    if (!put_int(fp, v)) return failed();
  for (int c = 0; c < MAX_CASES; c++) {
    const int *row = &w[4 + Row * c];
    for (int k = 0; k < row[6]; k++)
      if (!put_int(fp, Extpn_to_filepn[c][k])) return failed();
    for (int k = 0; k < row[3]; k++)
      if (!put_pbuild(fp, Pbuild[c][k])) return failed();
  }
  for (float v : Constant_values)
    if (!put_float(fp, v)) return failed();
  for (float v : topctmsav)
    if (!put_float(fp, v)) return failed();
  for (int k = 0; k < 3; k++)
    if (!put_float(fp, Pasper[k][0])) return failed();
  for (int k = 0; k < w[116]; k++)
    if (!put_int(fp, Matcher_file[k].changed) ||
        !put_bytes(fp, Matcher_file[k].name, READ_BKUP_MATCH_NAME))
      return failed();
  if (!put_bytes(fp, Matcher_default_name, Default_name) || !put_int(fp, View_centred) ||
      !put_int(fp, Shared_border_removal))
    return failed();
  return 1;
}

bool count_ok(int n) { return n >= 0 && n <= READ_BKUP_MAX_COUNT; }

int restore(FILE *fp) {
  float version;
  std::vector<int> w(Int_words);
  if (!get_float(fp, &version)) return failed();
  for (int &v : w)
    if (!get_int(fp, &v)) return failed();
  // Counts decide every later read: all are checked before anything changes.
  bool sane = count_ok(w[116]);
  for (int c = 0; c < MAX_CASES; c++)
    sane = sane && count_ok(w[4 + Row * c + 3]) && count_ok(w[4 + Row * c + 6]);
  if (!sane) {
    fprintf(stderr, "read_bkup: a stored count lies outside 0..%d.\n", READ_BKUP_MAX_COUNT);
    return -1;
  }
  for (int k = 0; k < 4; k++) Part_build_start[k] = w[k];
  for (int c = 0; c < MAX_CASES; c++) {
    const int *row = &w[4 + Row * c];
    for (int k = 0; k < 3; k++) Part_max_ijk[k][c] = row[k];
    pbuild_release(c);
    Tot_num_quivane_parts[c] = row[3];
    Num_struct[c] = row[4];
    Num_unstruct[c] = row[5];
    Num_extpn_to_filepn[c] = row[6];
    Kperio[c] = w[117 + c];
  }
  for (int c = 0; c < MAX_CASES; c++) {
    const int *row = &w[4 + Row * c];
    if (row[6]) {
      Extpn_to_filepn[c] = static_cast<int *>(calloc((size_t)row[6], sizeof(int)));
      if (!Extpn_to_filepn[c]) {
        report_alloc_failure(__LINE__, __FILE__, " ");
        return -1;
      }
      for (int k = 0; k < row[6]; k++)
        if (!get_int(fp, &Extpn_to_filepn[c][k])) return failed();
    }
    if (row[3]) {
      Pbuild[c] = static_cast<Pbuild_rec *>(calloc((size_t)row[3], sizeof(Pbuild_rec)));
      if (!Pbuild[c]) {
        report_alloc_failure(__LINE__, __FILE__, " ");
        return -1;
      }
      for (int k = 0; k < row[3]; k++)
        if (!get_pbuild(fp, &Pbuild[c][k])) return failed();
    }
  }
  for (float &v : Constant_values)
    if (!get_float(fp, &v)) return failed();
  float f[Float_words];
  for (float &v : f)
    if (!get_float(fp, &v)) return failed();
  memcpy(topctmsav, f, sizeof topctmsav);
  for (int k = 0; k < 3; k++) Pasper[k][0] = f[16 + k];
  free_match_records();
  if (w[116]) {
    Matcher_file = static_cast<Matcher_file_rec *>(calloc((size_t)w[116], sizeof(Matcher_file_rec)));
    if (!Matcher_file) {
      report_alloc_failure(__LINE__, __FILE__, "read_bkup - Matcher_file");
      return -1;
    }
    Matcher_file_count = w[116];
    for (int k = 0; k < w[116]; k++) {
      if (!get_int(fp, &Matcher_file[k].changed) ||
          !get_bytes(fp, Matcher_file[k].name, READ_BKUP_MATCH_NAME))
        return failed();
      Matcher_file[k].name[READ_BKUP_MATCH_NAME - 1] = '\0';
    }
  }
  char name[Default_name];
  if (!get_bytes(fp, name, Default_name)) return failed();
  memset(Matcher_default_name, 0, sizeof Matcher_default_name);
  memcpy(Matcher_default_name, name, strnlen(name, Default_name));
  if (!get_int(fp, &View_centred) || !get_int(fp, &Shared_border_removal)) return failed();
  return 1;
}

void reset() {
  View_centred = 0;
  Part_build_start[0] = 0;
  Part_build_start[1] = Part_build_start[2] = Part_build_start[3] = 1;
  for (int k = 0; k < 3; k++) Part_max_ijk[k][0] = 1;
  for (float &v : Constant_values) v = 0.0f;
  free_match_records();
  Matcher_default_name[0] = '\0';
  char empty[PATH_TEXT] = "";
  for (int c = 0; c < MAX_CASES; c++) {
    which_path(c, empty, 1);
    Kperio[c] = 0;
    for (int k = 0; k < 3; k++) Pasper[k][c] = 0.0f;
    pbuild_release(c);
    Tot_num_quivane_parts[c] = Num_struct[c] = Num_unstruct[c] = Num_extpn_to_filepn[c] = 0;
  }
  Shared_border_removal = 1;
}

int scenario(FILE *fp, int mode) {
  if (mode == 5) {
    if (!put_float(fp, Version)) return failed();
    for (float v : topctmsav)
      if (!put_float(fp, v)) return failed();
    return 1;
  }
  float version, m[16];
  if (!get_float(fp, &version)) return failed();
  for (float &v : m)
    if (!get_float(fp, &v)) return failed();
  memcpy(topctmsav, m, sizeof topctmsav);
  return 1;
}

}  // namespace

int read_bkup(FILE *fp, int mode) {
  switch (mode) {
    case 0: return fp ? save(fp) : -1;
    case 2: return fp ? restore(fp) : -1;
    case 4: reset(); return 1;
    case 5: case 6: return fp ? scenario(fp, mode) : -1;
    default: return 1;
  }
}
