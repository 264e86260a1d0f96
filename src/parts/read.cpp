// Part table (see read.h): the records, their arrays, creation with unique
// names and the queries.  Where the plain rule would fail, this module does
// the sound thing:
// - create_one_part advances Part_cross and the counts only once the record
//   exists, and refuses a number outside 1..4999, a number that already has
//   a record and a 5001st record;
// - a failed growth of an array keeps the old array and its capacity (a
//   failed first allocation leaves it absent with capacity 0);
// - which_path keeps at most 254 characters;
// - a unique-name suffix longer than four digits shortens the cut so that
//   the name still fits in 49 characters.
#include "parts/read.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "client/cases.h"
#include "client/ccp.h"
#include "client/conect.h"
#include "client/screen.h"
#include "parts/attribute.h"
#include "render/disobj.h"
#include "render/display_list.h"
#include "variables/variables.h"
#include "view/frames.h"
#include "client/defaults.h"

Part_rec *parts[MAX_PARTS + 1];
int Part_cross[MAX_PART_NUMBER];
int Num_p_loaded = 0;
int Num_p_partlist = 0;
int Num_parts_cases[MAX_CASES];
int Part_max_ijk[3][MAX_CASES];
static const Global_defaults Start_values(DEFAULTS_AT_START, Num_parts_cases);
static const Global_defaults Reset_values(DEFAULTS_AT_RESET, Num_p_loaded, Num_p_partlist);

const Part_dialog_rec Part_dialogs[PART_TYPES] = {
    {"Model Parts", 'M'},      {"Clips", '2'},           {"Contours", 'C'},
    {"Discrete Particles", 'X'}, {"Frames", 'F'},        {"Isosurfaces", 'I'},
    {"Particle Traces", 'T'},  {"Profiles", 'P'},        {"Vector Arrows", 'V'},
    {"Elevated Surfaces", 'E'}, {"Developed Surfaces", 'D'}, {"Model Extract", 'M'},
    {"Model Cut", 'M'},        {"Model Boundary", 'M'},  {"Isovolume", 'I'},
    {"Subset Parts", 'S'},     {"Tensor Glyphs", 'G'},   {"Multiple Parts", ' '},
};

static char Data_path[MAX_CASES][PATH_TEXT]; // data directory per case slot, empty = none
static int Unique_counter = 1;         // next suffix of a unique name; never reset
static int *Newest = nullptr;          // part numbers made by the last creation
static int Newest_cnt = 0;
static int *Temp_ints = nullptr;       // the shared scratch array
static int Temp_cap = 0;

// No part number is in use before the first part is made.
static int cross_reset() {
  for (int &i : Part_cross) i = -1;
  return 1;
}
static int Cross_ready = cross_reset();

// ---- allocation reports -------------------------------------------------------------

static void report_realloc_failure(int line, const char *label) {
  perror("D1REALLOC:  Memory reallocation failed.");
  fprintf(stderr, "E> At Line %d in File %s\n", line, "read");
  fprintf(stderr, "%s: Memory(d1realloc) allocation failed.\n", label);
}

static void report_rows_failure(int line, const char *label, bool growth, int rows) {
  perror(growth ? "D2FASTREALLOC:  Allocation error:" : "D2FASTCALLOC:  Allocation error:");
  fprintf(stderr, "E> At Line %d in File %s\n", line, "read");
  fprintf(stderr, "%s:  Memory(%s) allocation failed.\n", label,
          growth ? "d2fastrealloc" : "d2fastcalloc");
  if (growth) fprintf(stderr, "row = %d col = %d\n", rows, 3);
}

// ---- growing arrays -----------------------------------------------------------------

// Grows one block of elsize-byte elements from *cap to n elements; the added
// elements are zeroed.  A failure keeps the old block and capacity.
static void grow_block(void **ptr, int *cap, int n, size_t elsize, const char *label) {
  if (n <= *cap || n <= 0) return;
  if (*cap <= 0 || !*ptr) {
    void *mem = calloc((size_t)n, elsize);
    if (!mem) {
      report_alloc_failure(__LINE__, "read", label);
      *ptr = nullptr;
      *cap = 0;
      return;
    }
    free(*ptr);
    *ptr = mem;
    *cap = n;
    return;
  }
  void *mem = realloc(*ptr, (size_t)n * elsize);
  if (!mem) {
    report_realloc_failure(__LINE__, label);
    return;
  }
  memset(static_cast<char *>(mem) + (size_t)*cap * elsize, 0, (size_t)(n - *cap) * elsize);
  *ptr = mem;
  *cap = n;
}

// The real and imaginary arrays of one variable under one capacity: both
// grow or neither does.
static void grow_pair(void **re, void **im, int *cap, int n, size_t elsize, const char *label) {
  if (n <= *cap || n <= 0) return;
  int c_re = *cap, c_im = *cap;
  grow_block(re, &c_re, n, elsize, label);
  if (c_re < n) return;
  grow_block(im, &c_im, n, elsize, label);
  if (c_im < n) {
    // The imaginary array could not follow: the capacity stays what both
    // hold (a first real array made alone is dropped again).
    if (*cap == 0) {
      free(*re);
      *re = nullptr;
    }
    return;
  }
  *cap = n;
}

static void free_rows(float **rows) {
  if (!rows) return;
  free(rows[0]);
  free(rows);
}

// Rows of 3 floats: one zeroed block and an array of row pointers into it.
static void grow_rows(float ***rows, int *cap, int n, const char *label) {
  if (n <= *cap || n <= 0) return;
  bool growth = *cap > 0 && *rows;
  float *block = static_cast<float *>(calloc((size_t)n * 3, sizeof(float)));
  if (!block) {
    report_rows_failure(__LINE__, label, growth, n);
    if (!growth) *cap = 0;
    return;
  }
  float **ptrs = static_cast<float **>(malloc((size_t)n * sizeof(float *)));
  if (!ptrs) {
    if (growth) {
      perror("D2FASTREALLOC(ptemp):  Allocation error:");
      fprintf(stderr, "E> At Line %d in File %s\n", __LINE__, "read");
      fprintf(stderr, "%s:  Memory(d2fastrealloc) allocation failed.\n", label);
    } else {
      perror("D2FASTCALLOC:  Allocation error:");
      fprintf(stderr, "E> At Line %d in File %s\n", __LINE__, "read");
      fprintf(stderr, "%s: Memory(d2fastcalloc) allocation failed.\n", label);
      *cap = 0;
    }
    free(block);
    return;
  }
  for (int r = 0; r < n; r++) ptrs[r] = block + 3 * (size_t)r;
  if (growth) memcpy(block, (*rows)[0], (size_t)*cap * 3 * sizeof(float));
  free_rows(*rows);
  *rows = ptrs;
  *cap = n;
}

static bool valid_index(int i) { return i >= 0 && i < MAX_PARTS && parts[i]; }

static bool valid_variable(const Part_rec *p, int v) {
  return v >= 0 && v < Var_array_size && p->scalar_caps && p->vector_caps && p->scalars &&
         p->scalars_imag && p->vectors && p->vectors_imag;
}

void resize_part_array(int i, int k, int n, int v) {
  if (!valid_index(i)) return;
  Part_rec *p = parts[i];
  const char *label = "resize_part_array";
  switch (k) {
    case PA_OFFSETS:
      grow_block((void **)&p->elem_offsets, &p->cap[k], n, sizeof(int), label);
      break;
    case PA_CONNECT:
      grow_block((void **)&p->connectivity, &p->cap[k], n, sizeof(int), label);
      break;
    case PA_CHILDREN:
      grow_block((void **)&p->children, &p->cap[k], n, sizeof(int), label);
      break;
    case PA_EMITTERS:
      grow_block((void **)&p->emitter_group_ids, &p->cap[k], n, sizeof(int), label);
      break;
    case PA_POINT_TIMES:
      grow_block((void **)&p->point_times, &p->cap[k], n, sizeof(float), label);
      break;
    case PA_POINT_VECTORS:
      grow_rows(&p->point_vectors, &p->cap[k], n, label);
      break;
    case PA_TRACE_A:
      grow_block((void **)&p->trace_a, &p->cap[k], n, sizeof(short), label);
      break;
    case PA_TRACE_B:
      grow_block((void **)&p->trace_b, &p->cap[k], n, sizeof(short), label);
      break;
    case PA_TRACE_C:
      grow_block((void **)&p->trace_c, &p->cap[k], n, sizeof(int), label);
      break;
    case PA_TRACE_D:
      grow_block((void **)&p->trace_d, &p->cap[k], n, sizeof(int), label);
      break;
    case PA_CONTOUR_FLAGS:
      grow_block((void **)&p->contour_seg_flags, &p->cap[k], n, sizeof(short), label);
      break;
    case PA_COORDS:
      grow_rows(&p->coords, &p->cap[k], n, label);
      break;
    case PA_SCALARS:
      if (valid_variable(p, v))
        grow_block((void **)&p->scalars[v], &p->scalar_caps[v], n, sizeof(float), label);
      break;
    case PA_VECTORS:
      if (valid_variable(p, v))
        grow_block((void **)&p->vectors[v], &p->vector_caps[v], n, sizeof(Vec3f), label);
      break;
    case PA_SHRINK:
      grow_rows(&p->shrink_points, &p->cap14, n, label);
      break;
    case PA_CREATION:
      grow_block((void **)&p->creation_desc, &p->cap15, n, 1, "built_up_desc");
      break;
    case PA_ELEM_COLORS:
      grow_block((void **)&p->elem_colors, &p->cap16, n, 1, "element_color_fast");
      break;
    case PA_ELEM_NORMALS:
      grow_block((void **)&p->elem_normals, &p->cap17, n, 1, "element_normal_fast");
      break;
    case PA_SCALARS_CPLX:
      if (valid_variable(p, v))
        grow_pair((void **)&p->scalars[v], (void **)&p->scalars_imag[v], &p->scalar_caps[v], n,
                  sizeof(float), label);
      break;
    case PA_VECTORS_CPLX:
      if (valid_variable(p, v))
        grow_pair((void **)&p->vectors[v], (void **)&p->vectors_imag[v], &p->vector_caps[v], n,
                  sizeof(Vec3f), label);
      break;
    case PA_TENSORS:
      grow_block((void **)&p->tensors, &p->cap20, n, 9 * sizeof(float), label);
      break;
    case PA_BUILD_TEXT:
      grow_block((void **)&p->build_text, &p->build_text_cap, n, 1, "part_build_line");
      break;
    default:
      break;
  }
}

int part_array_capacity(int i, int k, int v) {
  if (!valid_index(i)) return 0;
  const Part_rec *p = parts[i];
  if (k >= 0 && k <= 11) return p->cap[k];
  switch (k) {
    case PA_SCALARS:
    case PA_SCALARS_CPLX:
      return valid_variable(p, v) ? p->scalar_caps[v] : 0;
    case PA_VECTORS:
    case PA_VECTORS_CPLX:
      return valid_variable(p, v) ? p->vector_caps[v] : 0;
    case PA_SHRINK:
      return p->cap14;
    case PA_CREATION:
      return p->cap15;
    case PA_ELEM_COLORS:
      return p->cap16;
    case PA_ELEM_NORMALS:
      return p->cap17;
    case PA_TENSORS:
      return p->cap20;
    case PA_BUILD_TEXT:
      return p->build_text_cap;
    default:
      return 0;
  }
}

// ---- records --------------------------------------------------------------------------

template <typename T>
static int alloc_table(T **table, const char *label) {
  *table = static_cast<T *>(calloc((size_t)(Var_array_size > 0 ? Var_array_size : 1), sizeof(T)));
  if (!*table) {
    report_alloc_failure(__LINE__, "read", label);
    return -1;
  }
  return 0;
}

int part_alloc_variable_tables(Part_rec *p, int defined) {
  int bad = 0;
  bad |= alloc_table(&p->vectors, "parts_vectors");
  bad |= alloc_table(&p->scalars, "parts_scalars");
  bad |= alloc_table(&p->vectors_imag, "parts_vectors");
  bad |= alloc_table(&p->scalars_imag, "parts_scalars");
  bad |= alloc_table(&p->sclmin, "parts_sclmin");
  bad |= alloc_table(&p->sclmax, "parts_sclmax");
  bad |= alloc_table(&p->vecxmax, "parts_vecxmax");
  bad |= alloc_table(&p->vecxmin, "parts_vecxmin");
  bad |= alloc_table(&p->vecymax, "parts_vecymax");
  bad |= alloc_table(&p->vecymin, "parts_vecymin");
  bad |= alloc_table(&p->veczmin, "parts_veczmin");
  bad |= alloc_table(&p->veczmax, "parts_veczmax");
  bad |= alloc_table(&p->vecmag1, "parts_vecmag1");
  bad |= alloc_table(&p->vecmag2, "parts_vecmag2");
  bad |= alloc_table(&p->scalar_caps, "parts_vectors");
  bad |= alloc_table(&p->vector_caps, "parts_vectors");
  bad |= alloc_table(&p->var_undefined, "parts_var_undefined");
  bad |= alloc_table(&p->var_defined, "parts_var_defined");
  if (p->var_defined)
    for (int v = 0; v < Var_array_size; v++) p->var_defined[v] = defined;
  p->cap20 = 0;
  return bad ? -1 : 0;
}

void part_free_shared_arrays(Part_rec *p) {
  if (!p) return;
  // Copies: the geometry and values belong to the source part.
  if (p->copy_of > 0) {
    p->elem_offsets = p->connectivity = nullptr;
    p->coords = nullptr;
    p->point_times = nullptr;
    p->point_vectors = nullptr;
    p->trace_a = p->trace_b = nullptr;
    p->trace_c = p->trace_d = nullptr;
    p->tensors = nullptr;
    for (int v = 0; v < Var_array_size; v++) {
      if (p->scalars) p->scalars[v] = nullptr;
      if (p->scalars_imag) p->scalars_imag[v] = nullptr;
      if (p->vectors) p->vectors[v] = nullptr;
      if (p->vectors_imag) p->vectors_imag[v] = nullptr;
    }
  }
  free(p->elem_offsets);
  free(p->connectivity);
  free(p->emitter_group_ids);
  free(p->point_times);
  free_rows(p->point_vectors);
  free(p->trace_a);
  free(p->trace_b);
  free(p->trace_c);
  free(p->trace_d);
  free(p->contour_seg_flags);
  free_rows(p->coords);
  for (int v = 0; v < Var_array_size; v++) {
    if (p->scalars) free(p->scalars[v]);
    if (p->scalars_imag) free(p->scalars_imag[v]);
    if (p->vectors) free(p->vectors[v]);
    if (p->vectors_imag) free(p->vectors_imag[v]);
  }
  free(p->tensors);
  free(p->elem_colors);
  free(p->elem_normals);
}

void part_rec_free_own(Part_rec *p) {
  if (!p) return;
  free(p->creation_desc);
  free(p->attributes);
  free(p->children);
  display_object_free(&p->solid_object);
  display_object_free(&p->line_object);
  display_object_free(&p->flipbook_object);
  free(p->scalars);
  free(p->scalars_imag);
  free(p->vectors);
  free(p->vectors_imag);
  free_rows(p->shrink_points);
  free(p->sclmin);
  free(p->sclmax);
  free(p->vecxmax);
  free(p->vecxmin);
  free(p->vecymin);
  free(p->vecymax);
  free(p->veczmin);
  free(p->veczmax);
  free(p->vecmag1);
  free(p->vecmag2);
  free(p->var_defined);
  free(p->var_undefined);
  free(p->build_text);
  free(p->scalar_caps);
  free(p->vector_caps);
  free(p);
}

void part_rec_free(Part_rec *p) {
  part_free_shared_arrays(p);
  part_rec_free_own(p);
}

int create_one_part(int n, char *desc, int type, int extents) {
  (void)Cross_ready;
  if (n < 1 || n >= MAX_PART_NUMBER) {
    fprintf(stderr, "E> Part number %d is outside 1..%d; no part made.\n", n, MAX_PART_NUMBER - 1);
    return -1;
  }
  if (Part_cross[n] != -1) {
    fprintf(stderr, "E> Part number %d already has a record; no part made.\n", n);
    return -1;
  }
  if (Num_p_loaded >= MAX_PARTS) {
    fprintf(stderr, "E> The part table holds %d parts; part %d not made.\n", MAX_PARTS, n);
    return -1;
  }
  int i = Num_p_loaded;
  Part_rec *p = static_cast<Part_rec *>(calloc(1, sizeof(Part_rec)));
  if (!p) {
    printf("Could not allocate memory for a part... you are hosed!\n");
    return -1;
  }
  parts[i] = p;
  parts[i + 1] = nullptr;
  p->group = 0;
  p->parent_group = -1;
  p->line_list = 0;
  p->case_index = Case_num;
  p->solid_list = 0;
  p->bbox_list = 0;
  p->number = n;
  p->structured = 0;
  newattribute(i, type);
  p->type = type;
  modify_partname_to_be_unique(desc, i);
  snprintf(p->name, PART_NAME_USED, "%s", desc);
  p->name[PART_NAME_USED - 1] = '\0';
  p->build_text_cap = 0;
  part_alloc_variable_tables(p, 1);
  // The record exists: now it is counted and found.
  Part_cross[n] = i;
  Num_p_loaded++;
  Num_p_partlist++;
  if (Case_num >= 0 && Case_num < 16) Num_parts_cases[Case_num]++;
  if (extents) {
    if (ccsstr(Isockt[Case_num], "minm", 4) == 0)
      part_minmax(n, &p->node_count, &p->xmin, &p->xmax, &p->ymin, &p->ymax, &p->zmin, &p->zmax);
  }
  return 0;
}

void make_part_number(int wanted, int *out, int *found) {
  int k = 0;
  for (int c = 1; c < MAX_PART_NUMBER && k < wanted; c++)
    if (Part_cross[c] == -1) out[k++] = c;
  if (found) *found = k;
}

void modify_partname_to_be_unique(char *d, int i) {
  if (!d || !valid_index(i)) return;
  int c = parts[i]->case_index;
  for (;;) {
    bool taken = false;
    for (int j = 0; j < MAX_PARTS && parts[j] && !taken; j++)
      taken = j != i && parts[j]->case_index == c && strcmp(parts[j]->name, d) == 0;
    if (!taken) return;
    size_t len = strlen(d);
    if (len > 9 && strncmp(d + len - 9, " ->>", 4) == 0) d[len - 9] = '\0';
    char suffix[24];
    snprintf(suffix, sizeof suffix, " ->> %.4d", Unique_counter++);
    size_t cut = PART_UNIQUE_CUT;
    if (cut + strlen(suffix) > PART_NAME_USED - 1) cut = PART_NAME_USED - 1 - strlen(suffix);
    if (strlen(d) > cut) d[cut] = '\0';
    strcat(d, suffix);
  }
}

int part_unique_suffix_counter() { return Unique_counter; }

void fix_up_case_vis_part(int n) {
  Part_rec *p = part_by_number(n);
  if (!p || !p->attributes) return;
  int mask = 0xffff;
  parts_visible_by_case(Case_num, &mask, 0);
  p->attributes[SLOT_VIEWPORT_VIS] = (float)mask;
}

// ---- queries by number ------------------------------------------------------------------

Part_rec *part_by_number(int number) {
  if (number < 1 || number >= MAX_PART_NUMBER) return nullptr;
  int i = Part_cross[number];
  if (i < 0 || i >= Num_p_loaded) return nullptr;
  return parts[i];
}

int get_part_type(int number) {
  const Part_rec *p = part_by_number(number);
  return p ? p->type : -1;
}

int partxid_check(int number) {
  if (number == -1) return 1;
  if (number < 0 || number >= MAX_PART_NUMBER) return -1;
  return Part_cross[number];
}

int is_part_a_copy(int number) {
  const Part_rec *p = part_by_number(number);
  return p ? p->copy_of : -1;
}

int is_part_a_group(int number) {
  const Part_rec *p = part_by_number(number);
  return p && p->group ? 1 : -1;
}

void part_list_in_a_group(int number, int *count, int *out) {
  const Part_rec *p = part_by_number(number);
  *count = 0;
  if (!p || !p->group) return;
  for (int k = 0; k < p->children_count && p->children; k++) out[(*count)++] = p->children[k];
}

int are_parts_same_case(int n, const int *numbers) {
  int c = -1;
  for (int k = 0; k < n; k++) {
    const Part_rec *p = part_by_number(numbers[k]);
    if (!p) continue;
    if (c == -1) c = p->case_index;
    if (p->case_index != c) return 0;
  }
  return 1;
}

// ---- queries over the table ---------------------------------------------------------------

static bool top_level(const Part_rec *p) { return p && p->parent_group == -1; }

void uncompress_part_list(int n, int *count, const int *in, int *out) {
  int k = 0;
  for (int j = 0; j < n; j++) {
    int num = in[j];
    if (num == -1 || num == -2) {
      out[k++] = num;
      continue;
    }
    const Part_rec *p = part_by_number(num);
    if (!p) continue;
    if (p->group) {
      for (int m = 0; m < p->children_count && p->children; m++) out[k++] = p->children[m];
    } else {
      out[k++] = num;
    }
  }
  *count = k;
}

int parts_in_list_for_current_case() {
  int n = 0;
  for (int i = 0; i < Num_p_loaded; i++)
    if (top_level(parts[i]) && parts[i]->case_index == Case_num) n++;
  return n;
}

int part_can_have_zero_order(int index) {
  return valid_index(index) && parts[index]->type == PART_TRACE ? 0 : 1;
}

int how_many_model_parts(int case_index, int *discrete) {
  int n = 0, d = 0;
  for (int i = 0; i < Num_p_loaded; i++) {
    const Part_rec *p = parts[i];
    if (!p || (case_index != -1 && p->case_index != case_index)) continue;
    if (p->type == PART_MODEL || p->type == PART_DISCRETE) n++;
    if (p->type == PART_DISCRETE) d++;
  }
  if (discrete) *discrete = d;
  return n;
}

int ui_part_get(int kind, int n, int *number, int *type, char *name, int *case_index,
                int *structured) {
  if (kind == 4) return frame_get(n, number, name);
  if (n < 0 || n >= Num_p_partlist) return -1;
  int seen = -1;
  for (int i = 0; i < Num_p_loaded; i++) {
    const Part_rec *p = parts[i];
    if (!top_level(p) || ++seen != n) continue;
    if (number) *number = p->number;
    if (type) *type = p->type;
    if (name) snprintf(name, PART_NAME_USED, "%.49s", p->name);
    if (case_index) *case_index = p->case_index;
    if (structured) *structured = p->structured;
    return 1;
  }
  return -1;
}

// Row of the part lists showing part number (its group's row for a member), or -1.
static int internal_of(int number) {
  const Part_rec *p = part_by_number(number);
  if (p && !top_level(p)) p = part_by_number(p->parent_group);
  if (!p) return -1;
  int seen = -1;
  for (int i = 0; i < Num_p_loaded; i++) {
    if (!top_level(parts[i])) continue;
    seen++;
    if (parts[i] == p) return seen;
  }
  return -1;
}

void external_to_internal_part(const int *numbers, int count, int *out) {
  for (int i = 0; i < count; i++) {
    int internal = internal_of(numbers[i]);
    if (internal >= 0) out[i] = internal;
  }
}

void newest_created_parts(int *count, int *numbers, int *positions, int mode) {
  if (mode == 1) {
    if (!count || *count <= 0) return;
    int *copy = static_cast<int *>(malloc(sizeof(int) * (size_t)*count));
    if (!copy) {
      report_alloc_failure(__LINE__, "read", "newest_created_parts");
      return;
    }
    memcpy(copy, numbers, sizeof(int) * (size_t)*count);
    free(Newest);
    Newest = copy;
    Newest_cnt = *count;
  } else if (mode == 0) {
    *count = Newest_cnt;
    for (int k = 0; k < Newest_cnt; k++) {
      if (numbers) numbers[k] = Newest[k];
      if (!positions) continue;
      int row = 0;
      for (int i = 0; i < Num_p_loaded && parts[i]->number != Newest[k]; i++)
        if (top_level(parts[i])) row++;
      positions[k] = row;
    }
  }
}

// ---- small utilities -----------------------------------------------------------------------

int our_rint(float x) {
  int k = (int)x;
  float frac = x - (float)k;
  return frac >= 0.5f ? k + 1 : k;
}

float our_fabsf(float x) { return x < 0 ? -x : x; }

void get_temp_integer_memory(int **out, int n) {
  if (n > Temp_cap) {
    int *mem = static_cast<int *>(Temp_cap == 0 ? malloc(sizeof(int) * (size_t)n)
                                                : realloc(Temp_ints, sizeof(int) * (size_t)n));
    if (!mem) {
      report_alloc_failure(__LINE__, "read", "get_temp_memory");
      *out = nullptr;
      return;
    }
    Temp_ints = mem;
    Temp_cap = n;
  }
  if (Temp_ints) memset(Temp_ints, 0, sizeof(int) * (size_t)Temp_cap);
  *out = Temp_ints;
}

void which_path(int case_index, char *path, int mode) {
  if (case_index < 0 || case_index >= 16 || !path) return;
  if (mode == 1)
    snprintf(Data_path[case_index], PATH_TEXT, "%s", path);
  else if (mode == 0)
    snprintf(path, PATH_TEXT, "%s", Data_path[case_index]);
}
