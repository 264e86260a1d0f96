// Part attributes and defaults (see attribute.h).
// Where the plain rule would fail, this module does the sound thing:
// - a colour file declaring 0 or fewer colours, a colour line that does not
//   hold three numbers, or a colour list that could not be allocated gives
//   the six built-in colours (never a division by zero or a null list);
// - the 1D-part clip default takes the lowest part number that has a
//   record (1 when none has), not only numbers below the record count;
// - newattribute gives types without a record of their own (4, 14,
//   unknown) the model defaults.
// Left as specified: the tensor glyph defaults are not archived, and stored
// archives rely on the 4508-byte layout of "attribute_view".
#include "parts/attribute.h"

#include "state/bkup_words.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include <vector>

#include "anim/timeset.h"
#include "client/cases.h"
#include "client/ccp.h"
#include "client/conect.h"
#include "client/file_select_comm.h"
#include "client/screen.h"
#include "client/startup.h"
#include "interact/tool_records.h"
#include "palette/palette_attr.h"
#include "parts/modatr.h"
#include "parts/read.h"
#include "render/display.h"
#include "render/part_services.h"
#include "variables/variables.h"
#include "view/viewer_services.h"
#include "view/viewer_state.h"
#include "view/viewports.h"

int Rebuild_part_list = 0;

static int no_selection(int, int *count, int **internal, int **numbers) {
  if (count) *count = 0;
  if (internal) *internal = nullptr;
  if (numbers) *numbers = nullptr;
  return 0;
}
int (*part_selected_parts_windep)(int, int *, int **, int **) = no_selection;

// ---- the default records ------------------------------------------------------------------

static float Model_def[PART_ATTR_SLOTS];
static float Iso_def[PART_ATTR_SLOTS];
static Frame_attr_words Frame_def;
static float Clip_def[PART_ATTR_SLOTS];
static float Arrow_def[PART_ATTR_SLOTS];
static float Contour_def[PART_ATTR_SLOTS];
static float Trace_def[PART_ATTR_SLOTS];
static float Profile_def[PART_ATTR_SLOTS];
static float Devsrf_def[PART_ATTR_SLOTS];
static float Discrete_def[PART_ATTR_SLOTS];
static float Elev_def[PART_ATTR_SLOTS];
static float Tensor_def[PART_ATTR_SLOTS];
static int Defaults_ready = 0;  // init_part_type_defaults has run (archived)

static float Xyz_box[2][3];             // corners of the last xyz_box clip written
static int Work_var_type = -1;          // working variable, -1 none
static int Work_var_id = 0;

static const char *No_record_msg = "trying to get or set default on something not set up yet!\n";

// The general slots every record starts from, then the type's exceptions.
static void general_defaults(float *a, int type) {
  for (int s = 0; s < PART_ATTR_SLOTS; s++) a[s] = 0.0f;
  a[SLOT_VISIBLE] = 1;
  a[SLOT_VIEWPORT_VIS] = 65535;
  a[SLOT_MIRROR_ORIGINAL] = 1;
  a[SLOT_CLIP] = 1;
  a[SLOT_ACTIVE] = 1;
  a[SLOT_VIS_LINE] = 1;
  a[SLOT_VIS_ELT] = 1;
  a[SLOT_NODE_SCALE] = ATTR_UNSET;
  a[SLOT_NODE_DETAIL] = 4;
  a[SLOT_DISPLACE_BY] = -1;
  a[SLOT_DISPLACE_FACTOR] = 1;
  a[SLOT_LINE_WIDTH] = 1;
  a[SLOT_HIDDEN_LINE] = 1;
  a[SLOT_HIDDEN_SURFACE] = 1;
  a[SLOT_SHADING] = 1;
  a[SLOT_LIGHT_DIFF] = 0.1f;
  a[SLOT_LIGHT_SHIN] = 6;
  a[SLOT_FEATURE_ANGLE] = 10;
  a[SLOT_BOUNDING_REP] = 1;
  a[SLOT_RGB_R] = a[SLOT_RGB_G] = a[SLOT_RGB_B] = 1;
  a[SLOT_OPAQUENESS] = 1;
  a[SLOT_CREATE_TIME] = ATTR_UNSET;
  bool model_like = type == PART_MODEL || type == PART_ISOSURFACE || type == PART_CLIP;
  a[SLOT_ELT_REP] = model_like ? ELT_REP_3D_BORDER_2D_FULL : ELT_REP_FULL;
  switch (type) {
    case PART_DISCRETE:
      a[SLOT_VIS_NODE] = 1;
      a[SLOT_VIS_LINE] = 0;
      a[SLOT_VIS_ELT] = 0;
      a[SLOT_BOUNDING_REP] = 0;
      break;
    case PART_PROFILE:
      a[SLOT_VIS_LINE] = 0;
      a[SLOT_HIDDEN_LINE] = 0;
      break;
    case PART_TRACE:
      a[SLOT_HIDDEN_LINE] = 0;
      break;
    case PART_ARROW:
    case PART_CONTOUR:
    case PART_TENSOR:
      a[SLOT_HIDDEN_LINE] = 0;
      a[SLOT_HIDDEN_SURFACE] = 0;
      break;
    default:
      break;
  }
}

static void set(float *a, int first, std::initializer_list<float> values) {
  for (float v : values) a[first++] = v;
}

void init_part_type_defaults() {
  if (Defaults_ready) return;
  Defaults_ready = 1;
  general_defaults(Model_def, PART_MODEL);

  general_defaults(Clip_def, PART_CLIP);
  set(Clip_def, 48, {1});
  set(Clip_def, 55, {5, 5, 0, CLIP_TOOL_XYZ});
  set(Clip_def, 62, {20, -1, 0, 0, 1, 0, 0, 1, 1, 0});
  Clip_def[SLOT_CLIP_1D_PART] = -1;
  set(Clip_def, 94, {ATTR_UNSET, 2, 1, 2, 1, 1, 1});  // 94..99, 100 unused but 1
  set(Clip_def, 102, {1, 1, 1, 1, 1, 1});

  general_defaults(Contour_def, PART_CONTOUR);
  set(Contour_def, 46, {1, 1, 1, 1, ATTR_UNSET, 0, 1});  // 46..49 and 52 unused but 1
  set(Contour_def, 89, {0, 0, 0, ATTR_UNSET, 1, 1, 1});

  general_defaults(Iso_def, PART_ISOSURFACE);
  set(Iso_def, 50, {-1, 0, 1, 0});
  set(Iso_def, 55, {0, 1, 1, 14});

  general_defaults(Trace_def, PART_TRACE);
  set(Trace_def, 47, {1, 1, 1, -1});
  set(Trace_def, 63, {0, ATTR_UNSET, 0});
  set(Trace_def, 90, {0, 2, 2, 15, 30, ATTR_UNSET, 0, 0, ATTR_UNSET, ATTR_UNSET, 0});
  set(Trace_def, 102, {0, 1});

  general_defaults(Profile_def, PART_PROFILE);
  Profile_def[SLOT_CREATE_VARIABLE] = -1;
  Profile_def[78] = 1;

  general_defaults(Arrow_def, PART_ARROW);
  set(Arrow_def, 47, {1, 1, 1, -1});
  set(Arrow_def, 65, {0, 1});
  set(Arrow_def, 78, {1, 0, 0, 1, 0, 0, 1, ATTR_UNSET, 1, 0, 1, 0, 0});

  general_defaults(Elev_def, PART_ELEVATED);
  Elev_def[SLOT_CREATE_VARIABLE] = -1;
  Elev_def[78] = 1;
  set(Elev_def, 99, {1, 1});

  general_defaults(Devsrf_def, PART_DEVELOPED);
  set(Devsrf_def, 63, {0, 0, 0, 0, 0, 1, 1, 0, 0, 1, 0, 1, 1});

  general_defaults(Discrete_def, PART_DISCRETE);

  general_defaults(Tensor_def, PART_TENSOR);
  set(Tensor_def, 50, {-1, 0, 1, 0, 0, 0, 0, 1, 0, 1, 3, 1, 1, 1, 1, 1});
  Tensor_def[78] = 1;
  set(Tensor_def, 83, {1, 1, 0.1f});

  static const float frame_words[30] = {0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 1,
                                        1, 1, 3, 3, 3, 1, 1, 1, 1, 0, 0, 0, 3, 30, 1};
  Frame_def.word0 = 0;
  for (int w = 1; w < FRAME_ATTR_WORDS; w++) Frame_def.words[w - 1] = w < 30 ? frame_words[w] : 0;
  Frame_def.words[39 - 1] = 1;
}

float *part_type_defaults(int type) {
  init_part_type_defaults();
  switch (type) {
    case PART_MODEL:
    case PART_EXTRACT:
    case PART_BOUNDARY:
    case PART_SUBSET:
      return Model_def;
    case PART_CLIP:
      return Clip_def;
    case PART_CONTOUR:
      return Contour_def;
    case PART_DISCRETE:
      return Discrete_def;
    case PART_ISOSURFACE:
      return Iso_def;
    case PART_TRACE:
      return Trace_def;
    case PART_PROFILE:
      return Profile_def;
    case PART_ARROW:
      return Arrow_def;
    case PART_ELEVATED:
      return Elev_def;
    case PART_DEVELOPED:
      return Devsrf_def;
    case PART_TENSOR:
      return Tensor_def;
    default:
      return nullptr;
  }
}

Frame_attr_words *frame_defaults() {
  init_part_type_defaults();
  return &Frame_def;
}

// ---- default part colours ------------------------------------------------------------------

static const float Builtin_colors[6][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1},
                                           {1, 1, 0}, {1, 0, 1}, {0, 1, 1}};
static float (*File_colors)[3] = nullptr;  // colours read from the file, null = built-in
static int Color_count = 0;                // 0 = not looked up yet
static const int COLOR_LINE = 80;          // bytes of the line buffer

// The list from one file; false when the file does not give a valid list.
static bool read_color_file(const char *path) {
  FILE *fp = fopen(path, "r");
  if (!fp) return false;
  char line[COLOR_LINE];
  char word[COLOR_LINE];
  float version = 0;
  int declared = 0;
  bool ok = fgets(line, sizeof line, fp) && sscanf(line, "%79s %f", word, &version) == 2 &&
            strncmp(word, "Version", 7) == 0 && version >= 6.0f && fgets(line, sizeof line, fp) &&
            sscanf(line, "%d", &declared) == 1 && declared > 0;
  float(*cols)[3] = nullptr;
  int have = 0;
  if (ok) {
    cols = static_cast<float(*)[3]>(calloc((size_t)(declared < 4096 ? declared : 4096), sizeof *cols));
    int room = declared < 4096 ? declared : 4096;
    if (!cols) {
      perror("D2CALLOC(cols): Memory allocation failed:");
      fprintf(stderr, "E> At Line %d in File %s\n", __LINE__, "attribute");
      fprintf(stderr, "%s: Memory(d2calloc) allocation failed.\n", "default_part_colors");
      ok = false;
    }
    while (ok && have < declared && fgets(line, sizeof line, fp)) {
      float r, g, b;
      if (sscanf(line, "%f %f %f", &r, &g, &b) != 3) {
        ok = false;
        break;
      }
      if (have == room) {
        int more = room * 2 < declared ? room * 2 : declared;
        auto *grown = static_cast<float(*)[3]>(realloc(cols, (size_t)more * sizeof *cols));
        if (!grown) {
          ok = false;
          break;
        }
        cols = grown;
        room = more;
      }
      cols[have][0] = r;
      cols[have][1] = g;
      cols[have][2] = b;
      have++;
    }
    if (have < declared) ok = false;
  }
  fclose(fp);
  if (!ok) {
    free(cols);
    return false;
  }
  File_colors = cols;
  Color_count = declared;
  return true;
}

static void lookup_part_colors() {
  if (Color_count > 0) return;
  char path[1024];
  int mode = 0, report = 0;
  bool done = false;
  snprintf(path, sizeof path, "%s/%s/quivane.part.colors.default", User_home_directory,
           Quivane_resource_directory ? Quivane_resource_directory : ".quivane7");
  if (User_home_directory[0] && chkfil(path, &mode, &report) == 1) {
    done = read_color_file(path);
  } else {
    snprintf(path, sizeof path, "%s/site_preferences/quivane.part.colors.default",
             Quivane_home_directory);
    if (Quivane_home_directory[0] && chkfil(path, &mode, &report) == 1) done = read_color_file(path);
  }
  if (!done) {
    File_colors = nullptr;
    Color_count = 6;
  }
}

int default_part_color_count() {
  lookup_part_colors();
  return Color_count;
}

const float *default_part_color(int i) {
  lookup_part_colors();
  int k = i % Color_count;
  if (k < 0) k += Color_count;
  return File_colors ? File_colors[k] : Builtin_colors[k % 6];
}

void reset_part_attribute_state() {
  free(File_colors);
  File_colors = nullptr;
  Color_count = 0;
  Defaults_ready = 0;
  init_part_type_defaults();
  Work_var_type = -1;
  Work_var_id = 0;
  memset(Xyz_box, 0, sizeof Xyz_box);
  Rebuild_part_list = 0;
}

// ---- newattribute, update_partdefaults -------------------------------------------------------

void newattribute(int index, int type) {
  init_part_type_defaults();
  lookup_part_colors();
  if (index < 0 || index >= MAX_PARTS || !parts[index]) return;
  Part_rec *p = parts[index];
  p->xmin = ATTR_UNSET;
  p->ymin = ATTR_UNSET;
  free(p->creation_desc);
  p->creation_desc = nullptr;
  p->cap15 = 0;
  if (!p->attributes) {
    p->attributes = static_cast<float *>(malloc(PART_ATTR_SLOTS * sizeof(float)));
    if (!p->attributes) {
      report_alloc_failure(__LINE__, "attribute", "newattribute");
      return;
    }
    const float *def = type == PART_CUT ? Model_def : part_type_defaults(type);
    memcpy(p->attributes, def ? def : Model_def, PART_ATTR_SLOTS * sizeof(float));
    const float *rgb = default_part_color(index);
    p->attributes[SLOT_RGB_R] = rgb[0];
    p->attributes[SLOT_RGB_G] = rgb[1];
    p->attributes[SLOT_RGB_B] = rgb[2];
    p->attr_owner = p->number;
  }
  p->attributes[SLOT_CREATE_TIME] = Current_time;
}

void update_partdefaults(int var_type, int var_id) {
  init_part_type_defaults();
  float *creation_by_type[3] = {Iso_def, Elev_def, Profile_def};
  if (var_type == 0 || var_type == 1) {
    for (float *d : creation_by_type)
      if (d[SLOT_CREATE_VARTYPE] == (float)var_type && d[SLOT_CREATE_VARIABLE] == -1)
        d[SLOT_CREATE_VARIABLE] = (float)var_id;
  }
  if (var_type == 1) {
    if (Trace_def[SLOT_CREATE_VARIABLE] == -1) Trace_def[SLOT_CREATE_VARIABLE] = (float)var_id;
    if (Arrow_def[SLOT_CREATE_VARIABLE] == -1) Arrow_def[SLOT_CREATE_VARIABLE] = (float)var_id;
  }
  if (var_type == 4 && Tensor_def[SLOT_CREATE_VARIABLE] == -1)
    Tensor_def[SLOT_CREATE_VARIABLE] = (float)var_id;
}

// ---- helpers of part_attributes --------------------------------------------------------------

float part_view_height() {
  float at[3], from[3], m[16], dist = 0, angle = 0;
  view_param(at, from, m, &dist, 0);
  perspective_angle(&angle, 0);
  return 2.0f * dist * tanf(angle * 0.017453292f);
}

static float merge_mask(float newmask, float oldmask) {
  int out = 0;
  modify_viewport_part_visibility_attribute(our_rint(newmask), our_rint(oldmask), &out);
  return (float)out;
}

static bool is_connected_case(int c) { return Case_info[c].active && Online[c + 1]; }

// Trace surface velocity offset: the smallest positive answer of the servers.
static void trace_velocity_offset(float *a) {
  a[SLOT_TRACE_VEL_OFFSET] = 0;
  if (Num_p_loaded <= 0) return;
  float best = 0;
  for (int c = 0; c < MAX_CASES; c++) {
    if (!is_connected_case(c)) continue;
    float v = 0;
    if (ccsstr(Isockt[c], "velocity offset", 15) != 0 || ccrflt(Isockt[c], 1, &v) != 0) continue;
    if (v > 0 && (best == 0 || v < best)) best = v;
  }
  if (best > 0) {
    a[SLOT_TRACE_VEL_OFFSET] = best;
    Trace_def[SLOT_TRACE_VEL_OFFSET] = best;
  }
}

// The selected parts of the main list (every listed part when none is).
static int selected_numbers(int *count, int **numbers) {
  int *internal = nullptr;
  *numbers = nullptr;
  *count = 0;
  int r = part_selected_parts_windep(0, count, &internal, numbers);
  free(internal);
  return r;
}

static void clip_ijk_defaults(float *a) {
  int count = 0, *numbers = nullptr;
  selected_numbers(&count, &numbers);
  float r[3][2] = {{1, 2}, {1, 2}, {1, 2}};
  for (int k = 0; k < count; k++) {
    const Part_rec *p = part_by_number(numbers[k]);
    if (!p || p->type != PART_MODEL || !p->structured || !p->attributes) continue;
    for (int d = 0; d < 3; d++) {
      r[d][0] = p->attributes[63 + 3 * d];
      r[d][1] = p->attributes[64 + 3 * d];
    }
    break;
  }
  free(numbers);
  int plane = our_rint(a[SLOT_CLIP_MESH_PLANE]);
  if (plane < 0 || plane > 2) return;
  float v = a[SLOT_CLIP_PLANE_VALUE];
  if (v < r[plane][0] || v > r[plane][1]) a[SLOT_CLIP_PLANE_VALUE] = r[plane][0];
  int o1 = plane == 0 ? 1 : 0, o2 = plane == 2 ? 1 : 2;
  a[94] = r[o1][0];
  a[95] = r[o1][1];
  a[96] = r[o2][0];
  a[97] = r[o2][1];
}

static bool extents_known(const Part_rec *p) { return p->xmin != ATTR_UNSET && p->ymin != ATTR_UNSET; }

static void clip_xyz_defaults(float *a) {
  int count = 0, *numbers = nullptr;
  selected_numbers(&count, &numbers);
  float lo[3] = {0, 0, 0}, hi[3] = {0, 0, 0};
  bool any = false;
  auto take = [&](const Part_rec *p) {
    float plo[3] = {p->xmin, p->ymin, p->zmin}, phi[3] = {p->xmax, p->ymax, p->zmax};
    for (int d = 0; d < 3; d++) {
      if (!any || plo[d] < lo[d]) lo[d] = plo[d];
      if (!any || phi[d] > hi[d]) hi[d] = phi[d];
    }
    any = true;
  };
  for (int k = 0; k < count; k++) {
    const Part_rec *p = part_by_number(numbers[k]);
    if (!p) continue;
    if (p->xmin == ATTR_UNSET && p->ymin == ATTR_UNSET) find_bounding_volume(Part_cross[numbers[k]]);
    if (extents_known(p)) take(p);
  }
  free(numbers);
  if (!any)
    for (int i = 0; i < Num_p_loaded; i++)
      if (parts[i] && (parts[i]->xmin != ATTR_UNSET || parts[i]->ymin != ATTR_UNSET)) take(parts[i]);
  if (!any) {
    for (int d = 0; d < 3; d++) {
      lo[d] = 0;
      hi[d] = 1;
    }
  }
  for (int d = 0; d < 3; d++) {
    a[72 + 2 * d] = lo[d];
    a[73 + 2 * d] = hi[d];
  }
  float maxhi = fmaxf(hi[0], fmaxf(hi[1], hi[2])), minlo = fminf(lo[0], fminf(lo[1], lo[2]));
  a[SLOT_CLIP_XYZ_STEP] = (maxhi - minlo) / 20.0f;
}

static void copy3(float *dst, const float *src) { memcpy(dst, src, 3 * sizeof(float)); }

static void clip_tool_defaults(float *a) {
  int tool = our_rint(a[SLOT_CLIP_TOOL]);
  float p1[3], p2[3], p3[3], p4[3], pts[30], axis[3], r = 0, value = 0;
  memset(pts, 0, sizeof pts);
  switch (tool) {
    case CLIP_TOOL_LINE:
      line_position(p1, p2, &r, 0);
      copy3(a + 63, p1);
      copy3(a + 66, p2);
      break;
    case CLIP_TOOL_PLANE:
      plane_position(p1, p2, p3, p4, 0);
      copy3(a + 63, p1);
      copy3(a + 66, p2);
      copy3(a + 69, p3);
      break;
    case CLIP_TOOL_CYLINDER:
    case CLIP_TOOL_CONE:
      if (tool == CLIP_TOOL_CYLINDER)
        cylinder_position(p1, p2, pts, axis, &r, &value, nullptr, 0, 0, 0);
      else
        cone_position(p1, p2, pts, axis, &r, &value, nullptr, 0, 0, 0);
      copy3(a + 63, p1);
      copy3(a + 66, axis);
      copy3(a + 69, p2);
      a[72] = r;
      break;
    case CLIP_TOOL_SPHERE:
      sphere_position(p1, p2, pts, &r, nullptr, 0, 0, 0);
      copy3(a + 63, pts);
      copy3(a + 69, p1);
      copy3(a + 73, p2);
      a[72] = r;
      break;
    case CLIP_TOOL_REVOLUTION: {
      int n = 0;
      float radii[10] = {0}, dist[10] = {0};
      revtool_position(p1, p2, pts, axis, &n, radii, dist, nullptr, 0, 0, 0);
      if (n < 0) n = 0;
      if (n > 10) n = 10;
      a[SLOT_REV_COUNT] = (float)n;
      copy3(a + 63, pts);
      copy3(a + 66, axis);
      for (int i = 0; i < n; i++) {
        a[69 + i] = radii[i];
        a[79 + i] = dist[i];
      }
      break;
    }
    case CLIP_TOOL_1D_PART:
      if (our_rint(a[SLOT_CLIP_1D_PART]) == -1) {
        set(a, 63, {0, 0, 0, 1, 0, 0});
        int lowest = 1;
        for (int n = 1; n < MAX_PART_NUMBER; n++)
          if (Part_cross[n] != -1) {
            lowest = n;
            break;
          }
        a[SLOT_CLIP_1D_PART] = (float)lowest;
      }
      break;
    case CLIP_TOOL_QUADRIC: {
      float q[10];
      quadric_position(q, 0);
      for (int i = 0; i < 10; i++) a[63 + i] = q[i];
      break;
    }
    case CLIP_TOOL_IJK:
      clip_ijk_defaults(a);
      break;
    case CLIP_TOOL_XYZ:
      clip_xyz_defaults(a);
      break;
    case CLIP_TOOL_XYZ_BOX:
      copy3(a + 63, Xyz_box[0]);
      copy3(a + 66, Xyz_box[1]);
      a[SLOT_ELT_REP] = 0;
      if (a[SLOT_CLIP_DOMAIN] == 0) a[SLOT_CLIP_DOMAIN] = 1;
      break;
    default:
      break;
  }
}

// The id of the last active variable of a type in the table, or -1.
static int last_active_variable(int type) {
  int id = -1;
  for (int i = 0; Variables && i < Var_avail_cnt; i++)
    if (Variables[i].active && Variables[i].type == type) id = Variables[i].id;
  return id;
}

static void computed_defaults(float *a, int type, float H) {
  if (a[SLOT_ARROW_TIP_SIZE] == ATTR_UNSET) a[SLOT_ARROW_TIP_SIZE] = H / 80.0f;
  if (a[SLOT_TRACE_RIBBON] == ATTR_UNSET) a[SLOT_TRACE_RIBBON] = H / 50.0f;
  if (type == PART_CONTOUR &&
      (a[SLOT_CREATE_VARIABLE] == ATTR_UNSET || a[SLOT_CONTOUR_LABEL_SPACING] == ATTR_UNSET)) {
    int id = last_active_variable(0);
    if (id == -1) id = last_active_variable(1);
    if (id == -1) id = 1;
    a[SLOT_CREATE_VARIABLE] = (float)id;
    a[SLOT_CONTOUR_LABEL_SPACING] = H / 5.0f;
  }
  if (type == PART_TRACE && a[SLOT_TRACE_VEL_OFFSET] == ATTR_UNSET) trace_velocity_offset(a);
  if (type == PART_TRACE && a[SLOT_TRACE_START_TIME] == ATTR_UNSET)
    a[SLOT_TRACE_START_TIME] = Current_time;
  if (a[SLOT_TRACE_TOTAL_TIME] == ATTR_UNSET)
    a[SLOT_TRACE_TOTAL_TIME] =
        Time_tot_steps >= 2 && Time_steps ? Time_steps[Time_tot_steps - 1][1] : 100.0f;
  if (a[SLOT_CREATE_TIME] == ATTR_UNSET) a[SLOT_CREATE_TIME] = Current_time;
  if (a[SLOT_NODE_SCALE] == ATTR_UNSET) a[SLOT_NODE_SCALE] = H / 50.0f;
}

static void read_frame_defaults(float *a) {
  a[0] = (float)Frame_def.word0;
  memcpy(a + 1, Frame_def.words, sizeof Frame_def.words);
}

static void write_frame_defaults(const float *a) {
  Frame_def.word0 = our_rint(a[0]);
  memcpy(Frame_def.words, a + 1, sizeof Frame_def.words);
}

static int type_defaults(int type, float *a, char *desc, char **creation, int mode) {
  if (mode == 0) {
    if (desc) desc[0] = '\0';
    if (creation) *creation = nullptr;
    if (type == PART_FRAME) {
      read_frame_defaults(a);
      if (a[SLOT_NODE_SCALE] == ATTR_UNSET) a[SLOT_NODE_SCALE] = part_view_height() / 50.0f;
      return 1;
    }
    const float *def = part_type_defaults(type);
    if (!def) {
      printf("%s", No_record_msg);
      return 1;
    }
    memcpy(a, def, PART_ATTR_SLOTS * sizeof(float));
    if (type == PART_PROFILE) {
      float p1[3], p2[3], p3[3], p4[3], x, y, z, size;
      plane_position(p1, p2, p3, p4, 0);
      copy3(a + 63, p1);
      copy3(a + 66, p2);
      copy3(a + 69, p3);
      cursor_position(&x, &y, &z, nullptr, &size, 0);
      a[72] = x;
      a[73] = y;
      a[74] = z;
    } else if (type == PART_CLIP) {
      clip_tool_defaults(a);
    }
    computed_defaults(a, type, part_view_height());
    return 1;
  }
  if (mode != 1) return 1;
  if (type == PART_FRAME) {
    write_frame_defaults(a);
    return 1;
  }
  float *def = type == PART_CUT ? nullptr : part_type_defaults(type);
  if (!def) {
    printf("%s", No_record_msg);
    return 1;
  }
  a[SLOT_VIEWPORT_VIS] = merge_mask(a[SLOT_VIEWPORT_VIS], def[SLOT_VIEWPORT_VIS]);
  memcpy(def, a, PART_ATTR_SLOTS * sizeof(float));
  if (type == PART_CLIP && our_rint(a[SLOT_CLIP_TOOL]) == CLIP_TOOL_XYZ_BOX) {
    copy3(Xyz_box[0], a + 63);
    copy3(Xyz_box[1], a + 66);
  }
  return 1;
}

static int all_defaults(float *a, const int *change, char *desc, char **creation, int mode) {
  if (mode == 0) {
    memcpy(a, Model_def, PART_ATTR_SLOTS * sizeof(float));
    if (desc) desc[0] = '\0';
    if (creation) *creation = nullptr;
    return 1;
  }
  if (mode != 1 || !change) return 1;
  float *ten[10] = {Model_def,  Iso_def,     Clip_def,     Contour_def, Trace_def,
                    Arrow_def,  Profile_def, Discrete_def, Elev_def,    Devsrf_def};
  for (int s = 0; s < PART_ATTR_SLOTS; s++) {
    if (!change[s]) continue;
    float v = a[s];
    if (s == SLOT_VIEWPORT_VIS) v = a[s] = merge_mask(a[s], Model_def[SLOT_VIEWPORT_VIS]);
    for (float *d : ten) d[s] = v;
  }
  return 1;
}

// Second light off while some shown, loaded part has a highlight; else on.
static void second_light_rule() {
  bool highlight = false;
  for (int i = 0; i < Num_p_loaded && !highlight; i++) {
    const float *a = parts[i] ? parts[i]->attributes : nullptr;
    highlight = a && our_rint(a[SLOT_ELT_REP]) != ELT_REP_NOT_LOADED && a[SLOT_VISIBLE] != 0 &&
                a[SLOT_LIGHT_HINT] != 0;
  }
  int two = highlight ? 0 : 1;
  if (two != Lighting_two_lights) toggle_two_lights(&two, 1);
}

static int read_part(Part_rec *p, float *a, char *desc, char **creation) {
  if (creation) {
    *creation = nullptr;
    if (p->creation_desc) {
      *creation = strdup(p->creation_desc);
      if (!*creation) report_alloc_failure(__LINE__, "attribute", "built_up_desc");
    }
  }
  const float *src = p->attributes;
  if (p->group && p->children_count > 0 && p->children) {
    const Part_rec *first = part_by_number(p->children[0]);
    if (first && first->attributes) src = first->attributes;
  }
  if (src && a) memcpy(a, src, PART_ATTR_SLOTS * sizeof(float));
  if (desc) snprintf(desc, PART_NAME_USED, "%.49s", p->name);
  if (a && a[SLOT_NODE_SCALE] == ATTR_UNSET) a[SLOT_NODE_SCALE] = part_view_height() / 50.0f;
  return 1;
}

static void store_slots(Part_rec *p, const float *a) {
  if (!p->attributes) return;
  float mine[PART_ATTR_SLOTS];
  memcpy(mine, a, sizeof mine);
  mine[SLOT_VIEWPORT_VIS] = merge_mask(a[SLOT_VIEWPORT_VIS], p->attributes[SLOT_VIEWPORT_VIS]);
  memcpy(p->attributes, mine, sizeof mine);
}

static int write_part(Part_rec *p, float *a, char *desc, char **creation) {
  int index = Part_cross[p->number];
  if (desc && strcmp(desc, p->name) != 0) Rebuild_part_list = 1;
  if (creation && *creation && !p->group) {
    size_t len = strlen(*creation);
    resize_part_array(index, PA_CREATION, (int)len + 1, 0);
    if (p->creation_desc && p->cap15 >= (int)len + 1) memcpy(p->creation_desc, *creation, len + 1);
  }
  if (desc) {
    modify_partname_to_be_unique(desc, index);
    snprintf(p->name, PART_NAME_USED, "%s", desc);
  }
  if (a) {
    if (p->group) {
      for (int k = 0; k < p->children_count && p->children; k++) {
        Part_rec *m = part_by_number(p->children[k]);
        if (m) store_slots(m, a);
      }
    } else {
      store_slots(p, a);
    }
    if (p->attributes) a[SLOT_VIEWPORT_VIS] = p->attributes[SLOT_VIEWPORT_VIS];
  }
  for (int v = 1; v < MAX_VIEWPORTS; v++)
    if (Viewports[v].in_use && viewport_is_2d(v)) recheck_all_parts_against_2d_viewport(v);
  second_light_rule();
  check_auto_legend_replace();
  return 1;
}

int part_attributes(int part, int type, float *attributes, const int *change, char *desc,
                    char **creation, int mode) {
  init_part_type_defaults();
  if (part == -2) return all_defaults(attributes, change, desc, creation, mode);
  if (part == -1) return type_defaults(type, attributes, desc, creation, mode);
  if (type == PART_FRAME) return frames(part, mode, desc, attributes);
  Part_rec *p = part_by_number(part);
  if (!p) return -1;
  if (mode == 0) return read_part(p, attributes, desc, creation);
  if (mode == 1) return write_part(p, attributes, desc, creation);
  return 1;
}

// ---- small accessors ----------------------------------------------------------------------------

int frame_attributes(int frame, float *attributes, char *desc, int mode) {
  init_part_type_defaults();
  if (frame != -1) return frames(frame, mode, desc, attributes);
  if (mode == 0) {
    read_frame_defaults(attributes);
    if (desc) desc[0] = '\0';
  } else if (mode == 1) {
    write_frame_defaults(attributes);
  }
  return 1;
}

int get_common_attribute(int count, const int *list, int slot, float *value) {
  if (count <= 0 || slot < 0 || slot >= PART_ATTR_SLOTS) return 1;
  int room = 0;
  for (int k = 0; k < count; k++) {
    const Part_rec *p = part_by_number(list[k]);
    room += p && p->group ? p->children_count : 1;
  }
  int *flat = static_cast<int *>(malloc(sizeof(int) * (size_t)(room > 0 ? room : 1)));
  if (!flat) {
    report_alloc_failure(__LINE__, "attribute", "get_common_attribute");
    return -1;
  }
  int n = 0;
  uncompress_part_list(count, &n, list, flat);
  int result = 1;
  bool first = true;
  float a[PART_ATTR_SLOTS];
  for (int k = 0; k < n && result == 1; k++) {
    if (flat[k] < 0) continue;
    if (part_attributes(flat[k], 0, a, nullptr, nullptr, nullptr, 0) != 1) continue;
    if (first) {
      *value = a[slot];
      first = false;
    } else if (a[slot] != *value) {
      result = -1;
    }
  }
  free(flat);
  return result;
}

void set_common_attribute(int count, const int *list, int nslots, const int *slots,
                          const float *values) {
  if (count <= 0 || !list || nslots <= 0 || !slots || !values) return;
  std::vector<int> flat((size_t)count + Num_p_loaded + 1);
  int n = 0;
  uncompress_part_list(count, &n, list, flat.data());
  bool shading = false;
  for (int k = 0; k < nslots; k++) shading = shading || slots[k] == 28;
  for (int k = 0; k < n; k++) {
    if (flat[k] < 0) continue;
    float a[PART_ATTR_SLOTS];
    char name[PART_NAME_TEXT] = "";
    char *creation = nullptr;
    if (part_attributes(flat[k], 0, a, nullptr, name, &creation, 0) != 1) continue;
    for (int s = 0; s < nslots; s++)
      if (slots[s] >= 0 && slots[s] < PART_ATTR_SLOTS) a[slots[s]] = values[s];
    modatr(flat[k], a, name, creation);
    free(creation);
  }
  // A shading change needs two passes: the first builds what the second shows.
  for (int pass = shading ? 2 : 1; pass > 0; pass--) {
    if (Num_active_viewports <= 1)
      display_all();
    else
      viewports_display_all();
  }
}

int part_descrip(int number, char *buf, int mode) {
  Part_rec *p = part_by_number(number);
  if (!p) return -1;
  if (mode == 0) {
    snprintf(buf, PART_NAME_USED, "%.49s", p->name);
  } else if (mode == 1) {
    modify_partname_to_be_unique(buf, Part_cross[number]);
    snprintf(p->name, PART_NAME_USED, "%s", buf);
  }
  return 1;
}

int return_partnumforcase_given_description(const char *name) {
  for (int i = 0; i < Num_p_loaded; i++)
    if (parts[i]->case_index == Case_num && strcasecmp(parts[i]->name, name) == 0)
      return parts[i]->number;
  return -1;
}

int return_partnum_given_description(const char *name) {
  for (int i = 0; i < Num_p_loaded; i++)
    if (strcasecmp(parts[i]->name, name) == 0) return parts[i]->number;
  return -1;
}

int return_allpartnum_given_description(const char *name, int *out) {
  int n = 0;
  for (int i = 0; i < Num_p_loaded; i++)
    if (strcasecmp(parts[i]->name, name) == 0) out[n++] = parts[i]->number;
  return n > 0 ? n : -1;
}

static const Variable_rec *variable_by_id(int id) {
  for (int i = 0; Variables && i < Var_avail_cnt; i++)
    if (Variables[i].id == id) return &Variables[i];
  return nullptr;
}

static bool holds_values(const Part_rec *p, int type, int id) {
  if (id < 0 || id >= Var_array_size) return false;
  if (type == 0) return p->scalars && p->scalars[id];
  if (type == 1) return p->vectors && p->vectors[id];
  return false;
}

int check_variable_exists_for_part(int index, int var_id) {
  if (index < 0 || index >= Num_p_loaded || !parts[index]) return -1;
  const Part_rec *p = parts[index];
  const Variable_rec *v = variable_by_id(var_id);
  if (p->attributes && our_rint(p->attributes[SLOT_ELT_REP]) == ELT_REP_NOT_LOADED) return 1;
  if (v && holds_values(p, v->type, var_id)) return 1;
  if (!v || p->case_index < 0 || p->case_index >= 16 || v->server_id[p->case_index] == -1 ||
      !v->active)
    return -1;
  if (p->type == PART_CONTOUR || p->type == PART_TRACE || p->type == PART_PROFILE ||
      p->type == PART_ARROW) {
    for (int k = 0; k < p->children_count && p->children; k++) {
      const Part_rec *c = part_by_number(p->children[k]);
      if (c && holds_values(c, v->type, var_id)) return -3;
    }
  }
  return -2;
}

void check_working_variable() {
  if (Work_var_type != -1 && !variable_exists(Work_var_type, Work_var_id)) Work_var_type = -1;
}

void part_working_variable(int *type, int *id, int mode) {
  if (mode == 0) {
    if (type) *type = Work_var_type;
    if (id) *id = Work_var_id;
  } else if (mode == 1) {
    if (type) Work_var_type = *type;
    if (id) Work_var_id = *id;
  }
}

void part_xyz_box(float lo[3], float hi[3], int mode) {
  if (mode == 0) {
    copy3(lo, Xyz_box[0]);
    copy3(hi, Xyz_box[1]);
  } else if (mode == 1) {
    copy3(Xyz_box[0], lo);
    copy3(Xyz_box[1], hi);
  }
}

// ---- archive section "attribute_view" ------------------------------------------------------

static bool put_float(FILE *fp, float f) {
  uint32_t v;
  memcpy(&v, &f, 4);
  return bkup_put_word(fp, v);
}

static bool get_float(FILE *fp, float *f) {
  uint32_t v;
  if (!bkup_get_word(fp, &v)) return false;
  memcpy(f, &v, 4);
  return true;
}

static bool put_int(FILE *fp, int i) { return bkup_put_word(fp, (uint32_t)i); }

static bool get_int(FILE *fp, int *i) {
  uint32_t v;
  if (!bkup_get_word(fp, &v)) return false;
  *i = (int)v;
  return true;
}

// The archived records in section order, frames excepted (written between
// the isosurface and the clip records).
static float *const Archived_after_frame[9] = {Clip_def,    Arrow_def,   Contour_def,
                                               Trace_def,   Profile_def, Devsrf_def,
                                               Discrete_def, Elev_def,   nullptr};

static bool put_record(FILE *fp, const float *r) {
  for (int s = 0; s < PART_ATTR_SLOTS; s++)
    if (!put_float(fp, r[s])) return false;
  return true;
}

static bool get_record(FILE *fp, float *r) {
  for (int s = 0; s < PART_ATTR_SLOTS; s++)
    if (!get_float(fp, &r[s])) return false;
  return true;
}

static bool write_section(FILE *fp) {
  if (!put_float(fp, 10.0f) || !put_record(fp, Model_def) || !put_record(fp, Iso_def) ||
      !put_int(fp, Frame_def.word0))
    return false;
  for (float w : Frame_def.words)
    if (!put_float(fp, w)) return false;
  for (int k = 0; Archived_after_frame[k]; k++)
    if (!put_record(fp, Archived_after_frame[k])) return false;
  return put_int(fp, Defaults_ready) && put_int(fp, Work_var_type) && put_int(fp, Work_var_id);
}

static bool read_section(FILE *fp) {
  float version;
  if (!get_float(fp, &version) || !get_record(fp, Model_def) || !get_record(fp, Iso_def) ||
      !get_int(fp, &Frame_def.word0))
    return false;
  for (float &w : Frame_def.words)
    if (!get_float(fp, &w)) return false;
  for (int k = 0; Archived_after_frame[k]; k++)
    if (!get_record(fp, Archived_after_frame[k])) return false;
  return get_int(fp, &Defaults_ready) && get_int(fp, &Work_var_type) && get_int(fp, &Work_var_id);
}

int attribute_bkup(FILE *fp, int mode) {
  init_part_type_defaults();
  switch (mode) {
    case 0:
    case 5:
      if (!fp || !write_section(fp)) {
        perror("attribute_bkup:");
        return -1;
      }
      return 1;
    case 2:
    case 6:
      if (!fp || !read_section(fp)) {
        perror("attribute_bkup:");
        return -1;
      }
      return 1;
    case 4: {
      Defaults_ready = 0;
      init_part_type_defaults();
      Work_var_type = -1;
      Work_var_id = 0;
      float words[FRAME_ATTR_WORDS];
      char name[FRAME_NAME_LEN] = "";
      if (frames(0, 0, name, words) == 1) {
        read_frame_defaults(words);
        frames(0, 1, name, words);
      }
      return 1;
    }
    default:
      return 1;
  }
}
