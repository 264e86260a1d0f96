// Part creation requests. Wire, client to server:
//   "create quivane parts" n, kind, int array ids[n]; kind != 0: per id an
//       int array of 9 (range) and the domain
//       -> m; m > 0: int array numbers[m], int array source ids[m]; status
//   "create userd parts"   as above -> m; m > 0: int array numbers[m]; status
//   "create plot3d part"   number, int array range[9], 1 -> status;
//       int array {zone}, domain -> status
//   "create estet part"    number, int array range[9], domain -> status
//   "create n3s part"      number, selector, n[, int array codes[n]] -> status
//   "stop n3s parts" -> int; "stop estet|plot3d|quivane|userd parts"
//   "update struct parts"  1, int array {number}, int array range[9] -> int
//   "combine to vector"    int array positions[3], string name -> int
//   "finish vector combine"
#include "data/part_create.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "client/cases.h"
#include "client/ccp.h"
#include "client/conect.h"
#include "data/data_format.h"
#include "data/data_read.h"
#include "data/pbuild.h"
#include "parts/attribute.h"
#include "parts/part_delete.h"
#include "parts/part_rebuild.h"
#include "parts/periodic.h"
#include "parts/read.h"
#include "render/display.h"
#include "render/start_screen.h"
#include "view/viewer_services.h"
#include "view/viewports.h"

int Num_p_loaded_at_build = 0;
int (*Data_active_results_exist)() = nullptr;
void (*Data_newpart_results)(int from) = nullptr;

static const int SLOT_IJK_FIRST = 63;  // 63..71 the range, 72..74 the block's maxima
static const int MAX_NEW_PARTS = MAX_PART_NUMBER - 1;

const char *domain_text(int domain) {
  if (domain == 1) return "(IN), ";
  if (domain == 0) return "(OUT), ";
  return "(ALL), ";
}

// A part's name: the builder's description, or head followed by the range text.
static void part_name(char *out, size_t cap, const char *name, const char *head, const int *r) {
  if (name && name[0])
    snprintf(out, cap, "%s", name);
  else
    snprintf(out, cap, "%sMins/Maxs=(I:%d/%d,J:%d/%d,K:%d/%d)", head, r[0], r[1], r[3], r[4],
             r[6], r[7]);
}

// A name cut to the 49 characters a part name holds.
static void cut_name(char *desc, const char *text) {
  size_t n = strnlen(text, PART_NAME_USED - 1);
  memcpy(desc, text, n);
  desc[n] = '\0';
}

static void set_ijk(int number, const int *r, int maxi, int maxj, int maxk) {
  int v[12] = {r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7], r[8], maxi, maxj, maxk};
  ijk_range_part(number, &v[0], &v[1], &v[3], &v[4], &v[6], &v[7], &v[2], &v[5], &v[8], &v[9],
                 &v[10], &v[11], 1);
}

static void redraw() {
  if (Num_active_viewports <= 1)
    display_all();
  else
    viewports_display_all();
}

// A new number the reply may use: inside 1..4999 and without a record.
static bool number_free(int number) {
  return number >= 1 && number < MAX_PART_NUMBER && Part_cross[number] < 0;
}

// A new part's shrink points and display objects, once its geometry is in.
static void build_objects(int number) {
  shrink(number);
  make_part(number);
  make_solid_part_if_needed(number);
}

static void finish_one(int number) {
  build_objects(number);
  int frame = -1;
  if (part_frame_periodic_check(number, &frame) != -1) do_periodicity(frame, 1, &number);
  center();
  redraw();
}

static void finish_many(const std::vector<int> &made, bool show_lone_nodes) {
  if (made.empty()) return;
  if (made.size() > 1) many_parts_minmax((int)made.size(), made.data());
  // The transfer reports how the server holds the geometry; a part given an
  // IJK range stays structured whatever that is.
  std::vector<int> structured;
  for (int number : made) structured.push_back(part_by_number(number)->structured);
  load_many_parts(made.data(), (int)made.size());
  for (size_t k = 0; k < made.size(); k++)
    if (structured[k] && part_by_number(made[k])) part_by_number(made[k])->structured = 1;
  if (show_lone_nodes)
    for (int number : made) {
      Part_rec *p = part_by_number(number);
      if (p && p->element_count == 0 && p->node_count > 0 &&
          (int)p->attributes[SLOT_ELT_REP] != ELT_REP_NOT_LOADED)
        p->attributes[SLOT_VIS_NODE] = 1.0f;
    }
  for (int number : made)
    if (part_by_number(number)) build_objects(number);
  int frame = -1;
  if (part_frame_periodic_check(made[0], &frame) != -1) {
    std::vector<int> list(made);  // filtered in place by the instancing
    do_periodicity(frame, (int)list.size(), list.data());
  }
  center();
  redraw();
}

static int make_one(int number, const char *name, bool extents) {
  char desc[PART_NAME_TEXT];
  cut_name(desc, name);
  if (create_one_part(number, desc, PART_MODEL, extents ? 1 : 0) != 0) return -1;
  fix_up_case_vis_part(number);
  return 0;
}

static int single_part_tail(int ch, int number, const char *name, int *new_part,
                            const int *range, int maxi, int maxj, int maxk) {
  int status = 0;
  if (ccrint(ch, 1, &status) != 0) return -1;
  if (status != 0) return status;
  if (make_one(number, name, true) != 0) return 5;
  if (load_part(number) != 1) return 5;
  if (range) set_ijk(number, range, maxi, maxj, maxk);
  *new_part = number;
  finish_one(number);
  return 0;
}

int read_n3s_part(int selector, int n, const int *codes, const char *name, int *new_part) {
  int ch = Isockt[Case_num];
  send_part_numbers();
  int number = 0, found = 0;
  make_part_number(1, &number, &found);
  if (found < 1 || n < 0) return 5;
  ccsstr(ch, "create n3s part", 15);
  ccsint(ch, number);
  ccsint(ch, selector);
  ccsint(ch, n);
  if (n > 0) ccsinn(ch, codes, n);
  return single_part_tail(ch, number, name, new_part, nullptr, 0, 0, 0);
}

int read_estet_part(const int range[IJK_VALUES], int max_i, int max_j, int max_k, int domain,
                    const char *name, int *new_part) {
  int ch = Isockt[Case_num];
  send_part_numbers();
  int number = 0, found = 0;
  make_part_number(1, &number, &found);
  if (found < 1) return 5;
  ccsstr(ch, "create estet part", 17);
  ccsint(ch, number);
  ccsinn(ch, range, IJK_VALUES);
  ccsint(ch, domain);
  char head[PART_NAME_TEXT], made[PART_NAME_TEXT * 2];
  snprintf(head, sizeof head, "Domain=%s", domain_text(domain));
  part_name(made, sizeof made, name, head, range);
  return single_part_tail(ch, number, made, new_part, range, max_i, max_j, max_k);
}

int read_plot3d_part(const int range[IJK_VALUES], int domain, const char *name, int nzones,
                     const int *zones, int *new_parts) {
  int c = Case_num, ch = Isockt[c];
  if (nzones <= 0) return 0;
  for (int z = 0; z < nzones; z++)
    if (zones[z] < 1 || zones[z] > Plot3d_max_zones[c] || !Plot3d_max_x[c]) return -1;
  send_part_numbers();
  std::vector<int> made;
  int result = 0;
  for (int z = 0; z < nzones; z++) {
    int zone = zones[z], number = 0, found = 0;
    make_part_number(1, &number, &found);
    if (found < 1) {
      result = 5;
      break;
    }
    int mx = Plot3d_max_x[c][zone - 1], my = Plot3d_max_y[c][zone - 1],
        mz = Plot3d_max_z[c][zone - 1];
    int r[IJK_VALUES];
    if (nzones == 1) {
      memcpy(r, range, sizeof r);
    } else {
      int whole[IJK_VALUES] = {1, mx, range[2], 1, my, range[5], 1, mz, range[8]};
      memcpy(r, whole, sizeof r);
    }
    int status = 0;
    ccsstr(ch, "create plot3d part", 18);
    ccsint(ch, number);
    ccsinn(ch, r, IJK_VALUES);
    ccsint(ch, 1);
    if (ccrint(ch, 1, &status) != 0) status = -1;
    if (status == 0) {
      ccsinn(ch, &zone, 1);
      ccsint(ch, domain);
      if (ccrint(ch, 1, &status) != 0) status = -1;
    }
    if (status != 0) {
      result = status;
      break;
    }
    char head[PART_NAME_TEXT], text[PART_NAME_TEXT * 2];
    snprintf(head, sizeof head, "zone %d %s", zone,
             Data_plot3d_rflags[c][0] ? domain_text(domain) : ", ");
    part_name(text, sizeof text, name, head, r);
    if (make_one(number, text, nzones == 1) != 0) continue;
    set_ijk(number, r, mx, my, mz);
    new_parts[z] = number;
    made.push_back(number);
  }
  finish_many(made, false);
  return result;
}

// The Case, Quivane 5 and user-defined requests; userd selects the
// user-defined reply (numbers only, in the order of the ids).
static int read_file_parts(bool userd, int n, const int *ids, const char *name,
                           const int range[IJK_VALUES], int domain, int *new_parts) {
  int c = Case_num, ch = Isockt[c];
  if (n <= 0) return 0;
  std::vector<int> recs(n);
  for (int i = 0; i < n; i++) {
    recs[i] = pbuild_record_of(c, ids[i]);
    if (recs[i] < 0) return 5;
  }
  send_part_numbers();
  if (n + Num_p_loaded > MAX_NEW_PARTS) return 5;
  const Pbuild_rec *table = Pbuild[c];
  int kind = table[recs[0]].kind;
  std::vector<std::vector<int>> ranges(n, std::vector<int>(IJK_VALUES));
  if (userd)
    ccsstr(ch, "create userd parts", 18);
  else
    ccsstr(ch, "create quivane parts", 20);
  ccsint(ch, n);
  ccsint(ch, kind);
  ccsinn(ch, ids, n);
  for (int i = 0; i < n; i++) {
    const int *d = table[recs[i]].dims;
    if (n == 1)
      memcpy(ranges[i].data(), range, IJK_VALUES * sizeof(int));
    else
      ranges[i] = {1, d[0], range[2], 1, d[1], range[5], 1, d[2], range[8]};
    if (kind != 0) {
      ccsinn(ch, ranges[i].data(), IJK_VALUES);
      ccsint(ch, domain);
    }
  }
  int m = 0, status = 0;
  if (ccrint(ch, 1, &m) != 0) return -1;
  bool bad = m < 0 || m > n;
  int cap = n;  // a longer reply is bad anyway: its surplus is drained
  std::vector<int> numbers(cap, 0), sources(cap, 0);
  if (m > 0) {
    int got = 0, got_src = m;
    if (ccrinn_keep(ch, 1, numbers.data(), cap, &got) != 0) return -1;
    if (!userd && ccrinn_keep(ch, 1, sources.data(), cap, &got_src) != 0) return -1;
    if (got != m || got_src != m) bad = true;
  }
  if (ccrint(ch, 1, &status) != 0) return -1;
  if (m == 0) return status;
  if (bad) return 5;
  int result = status != 0 ? status : 0;
  std::vector<int> made;
  for (int i = 0; i < m; i++) {
    int number = numbers[i];
    new_parts[i] = number;
    int rec = -1;
    const std::vector<int> *r = nullptr;
    if (userd) {
      rec = recs[i];
      r = &ranges[i];
    } else {
      for (int k = 0; k < n; k++)
        if (ids[k] == sources[i]) {
          rec = recs[k];
          r = &ranges[k];
          break;
        }
    }
    bool seen = false;
    for (int x : made) seen = seen || x == number;
    if (rec < 0 || !number_free(number) || seen) {
      new_parts[i] = -1;
      result = 5;
      continue;
    }
    const Pbuild_rec &pb = table[rec];
    char head[PBUILD_DESC_LEN + 16], text[PBUILD_DESC_LEN + PART_NAME_TEXT];
    const char *given = name && name[0] ? name : (userd || kind == 0) ? pb.description : "";
    snprintf(head, sizeof head, "%s, %s", pb.description, pb.kind == 2 ? domain_text(domain) : "");
    part_name(text, sizeof text, given, head, r->data());
    if (make_one(number, text, m == 1) != 0) {
      result = 5;
      continue;
    }
    if (kind != 0 && pb.kind != 0) set_ijk(number, r->data(), pb.dims[0], pb.dims[1], pb.dims[2]);
    made.push_back(number);
  }
  finish_many(made, true);
  return result;
}

int read_quivane_parts(int n, const int *ids, const char *name, const int range[IJK_VALUES],
                       int domain, int *new_parts) {
  return read_file_parts(false, n, ids, name, range, domain, new_parts);
}

int read_userd_parts(int n, const int *ids, const char *name, const int range[IJK_VALUES],
                     int domain, int *new_parts) {
  return read_file_parts(true, n, ids, name, range, domain, new_parts);
}

static void start_build() { Num_p_loaded_at_build = Num_p_loaded; }
void start_n3s_part_create() { start_build(); }
void start_estet_part_create() { start_build(); }
void start_plot3d_part_create() { start_build(); }
void start_quivane_part_create() { start_build(); }
void start_userd_part_create() { start_build(); }

// Gives the parts made since the build began the active results.
static void close_build() {
  if (Num_p_loaded_at_build < Num_p_loaded && Data_active_results_exist &&
      Data_active_results_exist()) {
    if (Data_newpart_results) Data_newpart_results(Num_p_loaded_at_build);
    Num_p_loaded_at_build = Num_p_loaded;
  } else if (Num_p_loaded > 0) {
    Num_p_loaded_at_build = Num_p_loaded;
  }
}

static void stop_build(const char *keyword) {
  ccsstr(Isockt[Case_num], keyword, (int)strlen(keyword));
  close_build();
}

int stop_n3s_part_create() {
  int reply = -1;
  ccsstr(Isockt[Case_num], "stop n3s parts", 14);
  if (ccrint(Isockt[Case_num], 1, &reply) != 0) reply = -1;
  close_build();
  return reply;
}
void stop_estet_part_create() { stop_build("stop estet parts"); }
// A PLOT3D build ends with the Coordinates and Time pseudo-variables made,
// when they are not there yet.
void stop_plot3d_part_create() {
  stop_build("stop plot3d parts");
  create_coord_and_time_palette();
}
void stop_quivane_part_create() { stop_build("stop quivane parts"); }
void stop_userd_part_create() { stop_build("stop userd parts"); }

int update_structured_parts(int index) {
  if (index < 0 || index >= Num_p_loaded || !parts[index]) return -1;
  Part_rec *p = parts[index];
  if (p->group == 1) printf("arrived update_structured_parts with a group part - ERROR!\n");
  if (p->attributes[SLOT_ACTIVE] == 0.0f) return 0;
  Part_rec *src = p;
  if (p->copy_of > 0 && part_by_number(p->copy_of)) src = part_by_number(p->copy_of);
  int saved = Case_num;
  Case_num = src->case_index;
  int ch = Isockt[Case_num];
  int number = src->number, range[IJK_VALUES];
  for (int k = 0; k < IJK_VALUES; k++) range[k] = our_rint(src->attributes[SLOT_IJK_FIRST + k]);
  int reply = -1;
  ccsstr(ch, "update struct parts", 19);
  ccsint(ch, 1);
  ccsinn(ch, &number, 1);
  ccsinn(ch, range, IJK_VALUES);
  if (ccrint(ch, 1, &reply) != 0) reply = -1;
  // The part is fetched again: its geometry follows the new range.
  if (reply == 1) {
    load_part(number);
    src->structured = 1;
  }
  Case_num = saved;
  return reply;
}

int ijk_range_part(int number, int *imin, int *imax, int *jmin, int *jmax, int *kmin, int *kmax,
                   int *istep, int *jstep, int *kstep, int *maxi, int *maxj, int *maxk,
                   int mode) {
  Part_rec *p = part_by_number(number);
  if (!p) return -1;
  int *v[12] = {imin, imax, istep, jmin, jmax, jstep, kmin, kmax, kstep, maxi, maxj, maxk};
  if (mode == 1) {
    for (int k = 0; k < 12; k++) p->attributes[SLOT_IJK_FIRST + k] = (float)*v[k];
    p->structured = 1;
    return 1;
  }
  if (p->structured == 0) return -1;
  for (int k = 0; k < 12; k++) *v[k] = our_rint(p->attributes[SLOT_IJK_FIRST + k]);
  return 1;
}

int combine_to_vector(const int positions[3], const char *name) {
  int ch = Isockt[Case_num], reply = -1;
  ccsstr(ch, "combine to vector", 17);
  ccsinn(ch, positions, 3);
  ccsstr(ch, name, (int)strlen(name));
  if (ccrint(ch, 1, &reply) != 0) return -1;
  return reply == 0 ? 1 : -1;
}

int finish_vector_combine() {
  return ccsstr(Isockt[Case_num], "finish vector combine", 21);
}
