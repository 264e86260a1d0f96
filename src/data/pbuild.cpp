// The part-build table and the reader queries (see pbuild.h). Owns Pbuild,
// the part-id map, the part counts and the user-defined reader tables of
// every case; the geometry exchange and the refresh replace them whole.
//
//   "refresh pbuild"   -> int unstructured, int structured [, block]
//   block              -> int n, int array map (n), then per record: int id,
//                         string description, int kind, int array dims,
//                         int iblank option
//   "get userd reader" -> int status; status 1: int n, n times string name,
//                         int two-files flag
//   "get bnd list"     -> int n; n strings
//   "plot3d_test"      <- string geometry, string path; -> int array of 4
//   "painfull n3s"     <- int mode (no reply)
#include "data/pbuild.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "client/cases.h"
#include "client/ccp.h"
#include "client/conect.h"
#include "client/screen.h"
#include "data/data_dlog.h"
#include "data/data_format.h"
#include "data/data_read.h"
#include "parts/read.h"

Pbuild_rec *Pbuild[MAX_CASES];
int *Extpn_to_filepn[MAX_CASES];
int Num_extpn_to_filepn[MAX_CASES];
int Num_unstruct[MAX_CASES];
int Num_struct[MAX_CASES];
int Tot_num_quivane_parts[MAX_CASES];
char (*Userdef_readers[MAX_CASES])[USERD_NAME_LEN];
int *Userdef_readertwofields[MAX_CASES];
int Userdef_readercnt[MAX_CASES];
int Data_udformat[MAX_CASES];

static const int MAP_MAX = 1 << 24;  // longest part-id map a server may announce

void pbuild_release(int c) {
  free(Pbuild[c]);
  Pbuild[c] = nullptr;
  free(Extpn_to_filepn[c]);
  Extpn_to_filepn[c] = nullptr;
  Num_extpn_to_filepn[c] = 0;
}

int pbuild_record_of(int c, int id) {
  if (c < 0 || c >= 16 || !Extpn_to_filepn[c] || id < 1 || id >= Num_extpn_to_filepn[c]) return -1;
  int pos = Extpn_to_filepn[c][id];
  return pos >= 0 && pos < Tot_num_quivane_parts[c] && Pbuild[c] ? pos : -1;
}

// One record; a description longer than the field keeps its head.
static int receive_record(int ch, Pbuild_rec *r) {
  memset(r, 0, sizeof *r);
  int len = 0, ndims = 0;
  if (ccrint(ch, 1, &r->id) != 0 ||
      ccrstr_keep(ch, 1, r->description, PBUILD_DESC_LEN - 1, &len) != 0)
    return -1;
  r->description[len < PBUILD_DESC_LEN - 1 ? len : PBUILD_DESC_LEN - 1] = '\0';
  if (ccrint(ch, 1, &r->kind) != 0 || ccrinn_keep(ch, 1, r->dims, PBUILD_DIMS, &ndims) != 0 ||
      ccrint(ch, 1, &r->iblank_option) != 0)
    return -1;
  return 0;
}

int pbuild_receive_block(int ch, int c) {
  pbuild_release(c);
  int n = 0, got = 0;
  if (ccrint(ch, 1, &n) != 0) return -1;
  int total = Tot_num_quivane_parts[c];
  int *map = n > 0 && n <= MAP_MAX ? static_cast<int *>(malloc(sizeof(int) * (size_t)n)) : nullptr;
  if (n > 0 && !map) report_alloc_failure(__LINE__, "read", " ");
  int room = map ? n : 0;
  if (ccrinn_keep(ch, 1, map ? map : &got, room, &got) != 0) {
    free(map);
    return -1;
  }
  if (map) {
    for (int i = got; i < n; i++) map[i] = -1;
    for (int i = 1; i < n && i < got; i++) map[i] = map[i] >= 1 && map[i] <= total ? map[i] - 1 : -1;
    Extpn_to_filepn[c] = map;
    Num_extpn_to_filepn[c] = n;
  }
  Pbuild_rec *recs =
      total > 0 ? static_cast<Pbuild_rec *>(calloc((size_t)total, sizeof(Pbuild_rec))) : nullptr;
  if (total > 0 && !recs) report_alloc_failure(__LINE__, "read", " ");
  Pbuild_rec scratch;
  for (int k = 0; k < total; k++)
    if (receive_record(ch, recs ? &recs[k] : &scratch) != 0) {
      free(recs);
      return -1;
    }
  Pbuild[c] = recs;
  return 0;
}

void get_fresh_pbuild_info() {
  int c = Case_num, ch = Isockt[c];
  if (Geom_change[c] != 2) return;
  int nu = 0, ns = 0;
  if (ccsstr(ch, "refresh pbuild", 14) != 0 || ccrint(ch, 1, &nu) != 0 || ccrint(ch, 1, &ns) != 0)
    return;
  Num_unstruct[c] = nu;
  Num_struct[c] = ns;
  Tot_num_quivane_parts[c] = nu + ns;
  if (nu + ns != 0) pbuild_receive_block(ch, c);
}

// Makes room for n readers in case c's tables, keeping the names held.
static int grow_readers(int c, int n) {
  if (Userdef_readercnt[c] >= n && Userdef_readers[c]) return 0;
  auto *names = static_cast<char(*)[USERD_NAME_LEN]>(calloc((size_t)n, USERD_NAME_LEN));
  int *two = static_cast<int *>(calloc((size_t)n, sizeof(int)));
  if (!names || !two) {
    free(names);
    free(two);
    fprintf(stderr, "Couldn't allocate space for user defined readers.\n");
    return -1;
  }
  for (int i = 0; i < Userdef_readercnt[c] && Userdef_readers[c]; i++) {
    memcpy(names[i], Userdef_readers[c][i], USERD_NAME_LEN);
    two[i] = Userdef_readertwofields[c] ? Userdef_readertwofields[c][i] : 0;
  }
  free(Userdef_readers[c]);
  free(Userdef_readertwofields[c]);
  Userdef_readers[c] = names;
  Userdef_readertwofields[c] = two;
  return 0;
}

int get_userd_reader_name(char *name, int *two_files) {
  int c = Case_num, ch = Isockt[c];
  snprintf(name, USERD_NAME_LEN, "%s", "No_Custom");
  *two_files = 0;
  int status = 0, n = 0;
  if (ccsstr(ch, "get userd reader", 16) != 0 || ccrint(ch, 1, &status) != 0) return -1;
  if (status != 1) return 0;
  if (ccrint(ch, 1, &n) != 0) return -1;
  if (n <= 0) return 0;
  int kept = n < DATA_USERDEF_MAX ? n : DATA_USERDEF_MAX;
  bool stored = grow_readers(c, kept) == 0;
  char last[USERD_NAME_LEN] = "";
  int last_two = 0;
  for (int i = 0; i < n; i++) {
    int len = 0;
    if (ccrstr_keep(ch, 1, last, USERD_NAME_LEN - 1, &len) != 0 || ccrint(ch, 1, &last_two) != 0)
      return -1;
    last[len < USERD_NAME_LEN - 1 ? len : USERD_NAME_LEN - 1] = '\0';
    if (stored && i < kept) {
      memcpy(Userdef_readers[c][i], last, USERD_NAME_LEN);
      Userdef_readertwofields[c][i] = last_two;
    }
  }
  if (!stored) return 0;
  Userdef_readercnt[c] = kept;
  memcpy(name, last, USERD_NAME_LEN);
  *two_files = last_two;
  return 0;
}

void free_bnd_list(char **names) {
  if (!names) return;
  free(names[0]);
  free(names);
}

int get_bnd_list(int *count, char ***names) {
  int ch = Isockt[Case_num];
  *names = nullptr;
  if (ccsstr(ch, "get bnd list", 12) != 0 || ccrint(ch, 1, count) != 0) return -1;
  if (*count <= 0) return 1;
  const int cell = BND_NAME_LEN + 1;
  char **table = static_cast<char **>(calloc((size_t)*count, sizeof(char *)));
  char *block = table ? static_cast<char *>(calloc((size_t)*count, cell)) : nullptr;
  if (!block) {
    free(table);
    report_alloc_failure(__LINE__, "get_bnd_list - bnd_list", "D2FASTCALLOC:  Allocation error:");
    char sink[1];
    for (int i = 0; i < *count; i++) {
      int len = 0;
      if (ccrstr_keep(ch, 1, sink, 0, &len) != 0) break;
    }
    return -1;
  }
  for (int i = 0; i < *count; i++) {
    table[i] = block + (size_t)i * cell;
    int len = 0;
    if (ccrstr_keep(ch, 1, table[i], BND_NAME_LEN, &len) != 0) {
      free_bnd_list(table);
      return -1;
    }
    table[i][len < BND_NAME_LEN ? len : BND_NAME_LEN] = '\0';
  }
  *names = table;
  return 1;
}

int plot3d_test(const char *geometry, const char *path, Plot3d_read_settings_rec *settings) {
  *settings = {0, 0, 1, 2};
  int ch = Isockt[Case_num];
  int got[4], n = 0;
  if (ccsstr(ch, "plot3d_test", 11) != 0 || ccsstr(ch, geometry, (int)strlen(geometry)) != 0 ||
      ccsstr(ch, path, (int)strlen(path)) != 0 || ccrinn_keep(ch, 1, got, 4, &n) != 0)
    return -1;
  int *fields[4] = {&settings->iblanked, &settings->multizone, &settings->read_as,
                    &settings->dimension};
  for (int k = 0; k < 4 && k < n; k++) *fields[k] = got[k];
  return 1;
}

int send_painfull_read(int mode) {
  int r = 0;
  for (int c = 0; c < MAX_CASES; c++) {
    if (!Case_info[c].active) continue;
    r = ccsstr(Isockt[c], "painfull n3s", 12);
    if (r == 0) r = ccsint(Isockt[c], mode);
  }
  return r;
}

// The iblank option of one id, or -1 when the id names no zone or record.
static int iblank_option_of(int c, int id) {
  if (Data_format[c] == 1)
    return Plot3d_d_flag[c] && id >= 1 && id <= Plot3d_max_zones[c] ? Plot3d_d_flag[c][id - 1] : -1;
  return Pbuild[c] && id >= 0 && id < Tot_num_quivane_parts[c] ? Pbuild[c][id].iblank_option : -1;
}

int shared_iblank_options(int n, const int *ids) {
  if (n <= 0) return 2;
  int inside = 0, outside = 0;
  for (int k = 0; k < n; k++) {
    int o = iblank_option_of(Case_num, ids[k]);
    if (o == 1 || o == 2) inside++;
    if (o == 0 || o == 2) outside++;
  }
  if (inside == n && outside == n) return 2;
  if (inside == n) return 1;
  if (outside == n) return 0;
  return 3;
}

int which_case_for_part(int number) {
  if (number < 1 || number >= MAX_PART_NUMBER) return -1;
  int i = Part_cross[number];
  return i >= 0 && i < Num_p_loaded && parts[i] ? parts[i]->case_index : -1;
}
