// The frame table: creation, lookup, definition, placement, assignment of
// parts, deletion, selection and the conversion of drags into frame motions
// (see frames.h).  The frame-local transformations are in frame_local.cpp.
#include "view/frames.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "client/matrix.h"
#include "client/screen.h"
#include "data/data_dlog.h"
#include "data/data_read.h"
#include "interact/support.h"
#include "interact/tool_feedback.h"
#include "parts/attribute.h"
#include "parts/periodic.h"
#include "parts/read.h"
#include "render/active.h"
#include "render/redraw.h"
#include "variables/var_dependency.h"
#include "view/viewports.h"

// ---- frame table -----------------------------------------------------------------

Frame_rec *Ctm_part[MAX_FRAMES];
int Num_frames = 0;
int Frame_order_list[MAX_FRAMES];
int Frame_drawn_list[MAX_FRAMES];
int Frame_drawn_count = 0;
int Frame_current_transmode = 1;

float Axis_size = 0.0f;
float Axis_size_div20 = 0.0f;

void *(*Frame_calloc)(size_t count, size_t size) = calloc;

static void no_panel() {}
void (*frame_icons_refresh_windep)() = no_panel;

void frame_icons_refresh() { frame_icons_refresh_windep(); }

static Frame_rec *record_of(int n) { return n >= 0 && n < MAX_FRAMES ? Ctm_part[n] : nullptr; }

// Copies a NUL-terminated name into a buffer of room bytes, cut to fit.
static void copy_name(char *to, const char *from, size_t room) {
  size_t n = strnlen(from, room - 1);
  memcpy(to, from, n);
  to[n] = '\0';
}

static void set_identity_locals(Frame_rec *f) {
  for (int v = 0; v < FRAME_VIEWPORTS; v++) {
    int4x4(f->rotation[v]);
    int4x4(f->translation[v]);
    int4x4(f->scale[v]);
    int4x4(f->combined[v]);
  }
}

// Stands for frame 0 while the table holds no record for it (before the
// first graphics initialisation): identity matrices throughout.
static const Frame_rec *identity_frame() {
  static Frame_rec frame0;
  static bool made = false;
  if (!made) {
    made = true;
    set_identity_locals(&frame0);
    int4x4(frame0.to_global);
    int4x4(frame0.to_frame);
    snprintf(frame0.name, sizeof frame0.name, "Coord. frame %d", 0);
  }
  return &frame0;
}

const Frame_rec *frame_record(int n) {
  if (const Frame_rec *f = record_of(n)) return f;
  return Ctm_part[0] ? Ctm_part[0] : identity_frame();
}

void frame_to_global_matrix(int frame, float m[16]) {
  memcpy(m, frame_record(frame)->to_global, sizeof(Matrix_4x4_rec));
}

void frames_table_reset() {
  for (Frame_rec *&f : Ctm_part) {
    free(f);
    f = nullptr;
  }
  Num_frames = 0;
  Frame_drawn_count = 0;
}

// A redraw after a change: the current viewport alone when it is the only
// one, else every viewport.
static void redraw_frames_change() {
  if (Num_active_viewports == 1)
    display_all();
  else
    viewports_display_all();
}

// ---- lookup ----------------------------------------------------------------------

int given_frame_number_return_list_position(int number) {
  for (int k = 0; k < Num_frames; k++)
    if (Frame_order_list[k] == number) return k;
  return -1;
}

int does_frame_exist(int number) { return given_frame_number_return_list_position(number) >= 0; }

int given_list_position_return_frame_number(int position) {
  return position >= 0 && position < Num_frames ? Frame_order_list[position] : -1;
}

void external_to_internal_frame(const int *numbers, int n, int *positions) {
  for (int k = 0; k < n; k++) positions[k] = given_frame_number_return_list_position(numbers[k]);
}

void getframe(int position, int *number, char *name) {
  int n = given_list_position_return_frame_number(position);
  *number = n;
  if (name) copy_name(name, n >= 0 ? Ctm_part[n]->name : "", FRAME_NAME_LEN);
}

void getframe2(int *count, int *numbers) {
  *count = Num_frames;
  memcpy(numbers, Frame_order_list, sizeof(int) * (size_t)Num_frames);
}

int frame_get(int n, int *number, char *name) {
  int f = given_list_position_return_frame_number(n);
  if (f < 0) return -1;
  if (number) *number = f;
  if (name) copy_name(name, Ctm_part[f]->name, 50);
  return 1;
}

int is_frame_periodic(int frame) {
  const Frame_rec *f = record_of(frame);
  return f && our_rint(f->attributes[27]) != 3 ? 1 : 0;
}

// The frame's symmetry makes instances: rotational with more than one
// instance, translational with more than one, or mirror with a copy on.
static bool has_active_symmetry(int frame) {
  const Frame_rec *f = record_of(frame);
  if (!f) return false;
  const float *a = f->attributes;
  switch (our_rint(a[27])) {
    case 1: return our_rint(a[29]) > 1;
    case 2: return our_rint(a[39]) > 1;
    case 0:
      for (int s = 30; s <= 36; s++)
        if (a[s] != 0.0f) return true;
      return false;
    default: return false;
  }
}

int given_frames_return_parts(int nframes, const int *frames, int *count, int **list) {
  *count = 0;
  *list = nullptr;
  // Each part counts once per matching list entry.
  auto matches = [&](const Part_rec *p) {
    int n = 0;
    if (!p || p->group || !p->attributes) return 0;
    int f = our_rint(p->attributes[SLOT_FRAME]);
    for (int k = 0; k < nframes; k++)
      if (frames[k] == f) n++;
    return n;
  };
  int total = 0;
  for (int i = 0; i < Num_p_loaded; i++) total += matches(parts[i]);
  if (total == 0) return 1;
  int *out = static_cast<int *>(malloc(sizeof(int) * (size_t)total));
  if (!out) {
    report_alloc_failure(__LINE__, "frames", "given_frames_return_parts");
    return -1;
  }
  int n = 0;
  for (int i = 0; i < Num_p_loaded; i++)
    for (int m = matches(parts[i]); m > 0; m--) out[n++] = parts[i]->number;
  *count = n;
  *list = out;
  return 1;
}

// ---- attributes ------------------------------------------------------------------

void cross_p(const float a[3], const float b[3], float out[3]) {
  float x = a[1] * b[2] - a[2] * b[1], y = a[2] * b[0] - a[0] * b[2], z = a[0] * b[1] - a[1] * b[0];
  out[0] = x;
  out[1] = y;
  out[2] = z;
}

// v scaled to unit length; the zero vector stays zero.
static void unit(float v[3]) {
  float len = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  if (len > 0.0f)
    for (int c = 0; c < 3; c++) v[c] /= len;
}

static bool near_zero(const float v[3]) {
  return std::fabs(v[0]) < 0.01f && std::fabs(v[1]) < 0.01f && std::fabs(v[2]) < 0.01f;
}

void modify_frame_orientation(float *attrs) {
  float z[3] = {attrs[11], attrs[12], attrs[13]};
  unit(z);
  if (near_zero(z)) {
    z[0] = z[1] = 0.0f;
    z[2] = 1.0f;
    attrs[11] = attrs[12] = 0.0f;
    attrs[13] = 1.0f;
  }
  // A missing x axis is replaced by one across z.
  auto replace_x = [&](float x[3]) {
    bool along_x = std::fabs(z[0]) == 1.0f;
    x[0] = along_x ? 0.0f : 1.0f;
    x[1] = along_x ? 1.0f : 0.0f;
    x[2] = 0.0f;
  };
  float x[3] = {attrs[5], attrs[6], attrs[7]};
  unit(x);
  bool replaced = near_zero(x);
  if (replaced) replace_x(x);
  float y[3];
  cross_p(z, x, y);
  unit(y);
  if (!replaced && near_zero(y)) {
    replace_x(x);
    cross_p(z, x, y);
    unit(y);
  }
  const float stored_z[3] = {attrs[11], attrs[12], attrs[13]};
  float nx[3];
  cross_p(y, stored_z, nx);
  unit(nx);
  for (int c = 0; c < 3; c++) {
    attrs[8 + c] = y[c];
    attrs[5 + c] = nx[c];
  }
}

// The frame-to-global and global-to-frame matrices from the origin (point
// 0), the x-axis point (1) and the y-axis point (3).
static void frame_matrices(Frame_rec *f) {
  const float *a = f->attributes;
  float full[16];
  arbaxi(a + FRAME_POINTS, a + FRAME_POINTS + 3, a + FRAME_POINTS + 6, a + FRAME_POINTS + 9, full,
         f->to_frame, f->to_global, 0.0f, 0.0f, 0.0f);
}

// Point 2 = (x of point 1, y of point 3, z of point 3).
static void corner_point(float *a) {
  a[FRAME_POINTS + 6] = a[FRAME_POINTS + 3];
  a[FRAME_POINTS + 7] = a[FRAME_POINTS + 10];
  a[FRAME_POINTS + 8] = a[FRAME_POINTS + 11];
}

// The tools in one frame's coordinates: cursor, line, plane and the four
// quadric kinds, read and put back by the frame changes.
namespace {
struct Tool_values {
  float cursor[3] = {}, line[6] = {}, plane[9] = {}, coefficients[4] = {};
  struct Quadric {
    float origin[3] = {}, axis[3] = {}, radius = 0.0f, radii[10] = {}, distances[10] = {};
    int points = 0;
  } quadric[4];
};
const int Quadric_kinds[4] = {2, 4, 3, 5};  // cylinder, cone, sphere, revolution

void read_tools(int frame, Tool_values &t) {
  getfdbk(frame, t.cursor, t.line, t.plane, t.coefficients);
  for (int k = 0; k < 4; k++) {
    Tool_values::Quadric &q = t.quadric[k];
    getfdbk_curve_tool(frame, q.origin, q.axis, &q.radius, q.radii, q.distances, &q.points,
                       Quadric_kinds[k]);
  }
}

void write_tools(int frame, const Tool_values &t) {
  setfdbk(frame, t.cursor, t.line, t.plane, t.coefficients, 0);
  for (int k = 0; k < 4; k++) {
    const Tool_values::Quadric &q = t.quadric[k];
    setfdbk_curve_tool(frame, q.origin, q.axis, q.radius, q.radii, q.distances, q.points, q.origin,
                       0, Quadric_kinds[k]);
  }
}
}  // namespace

void modify_frame(int frame, const float *attrs) {
  Frame_rec *f = record_of(frame);
  if (!f) return;
  Tool_values tools;
  read_tools(frame, tools);
  float *a = f->attributes;
  memcpy(a, attrs, sizeof(float) * FRAME_POINTS);
  // Points 1, 3 and 4 lie 1.2 axis lengths out along the x, y and z axes.
  const int axis_slot[3] = {5, 8, 11}, point_slot[3] = {3, 9, 12};
  for (int c = 0; c < 3; c++) a[FRAME_POINTS + c] = a[2 + c];
  for (int k = 0; k < 3; k++) {
    float s = a[FRAME_LEN_X + k] * 1.2f;
    for (int c = 0; c < 3; c++)
      a[FRAME_POINTS + point_slot[k] + c] = a[2 + c] + s * a[axis_slot[k] + c];
  }
  corner_point(a);
  frame_matrices(f);
  list_a_display(frame, a[0]);
  write_tools(frame, tools);
}

int frames(int frame, int mode, char *name, float *attrs) {
  Frame_rec *f = record_of(frame);
  if (!f) return -1;
  if (mode == 0) {
    if (name) copy_name(name, f->name, FRAME_NAME_LEN);
    if (attrs) memcpy(attrs, f->attributes, sizeof(float) * FRAME_POINTS);
    return 1;
  }
  if (mode != 1 || !attrs) return 1;
  Rebuild_part_list = 1;
  if (name) copy_name(f->name, name, FRAME_NAME_LEN);
  modify_frame_orientation(attrs);
  int changes = check_periodicity(frame, attrs);
  modify_frame(frame, attrs);
  if (!changes) return 1;
  int count = 0, *list = nullptr;
  given_frames_return_parts(1, &frame, &count, &list);
  int status = do_periodicity(frame, count, list);
  free(list);
  return status == 0 ? 1 : -1;
}

void list_a_display(int frame, float visible) {
  int at = -1;
  for (int k = 0; k < Frame_drawn_count; k++)
    if (Frame_drawn_list[k] == frame) at = k;
  if (visible == 1.0f) {
    if (at < 0 && Frame_drawn_count < MAX_FRAMES) Frame_drawn_list[Frame_drawn_count++] = frame;
  } else if (at >= 0) {
    memmove(Frame_drawn_list + at, Frame_drawn_list + at + 1,
            sizeof(int) * (size_t)(Frame_drawn_count - at - 1));
    Frame_drawn_count--;
  }
}

void axiscl(float size) {
  Axis_size = size;
  float attrs[FRAME_ATTR_WORDS];
  frame_attributes(-1, attrs, nullptr, 0);
  for (int i = 0; i < 3; i++) attrs[FRAME_LEN_X + i] = size;
  frame_attributes(-1, attrs, nullptr, 1);
  Axis_size_div20 = size / 20.0f;
}

void fix_defined_frames() {
  Frame_rec *f = record_of(0);
  if (!f) return;
  for (int i = 0; i < 3; i++) f->attributes[FRAME_LEN_X + i] = Axis_size;
  local_ctm_init(0, nullptr, 0);
}

// ---- creation, placement, assignment, deletion -----------------------------------

int new_frame(const float *attrs, const char *name) {
  int old = 0;
  get_current_frame_selected(&old);
  for (Frame_rec *f : Ctm_part)
    if (f) f->selected = 0;
  int number = 0;
  while (number < MAX_FRAMES && Ctm_part[number]) number++;
  if (number == MAX_FRAMES) return -1;
  Frame_rec *f = static_cast<Frame_rec *>(Frame_calloc(1, sizeof(Frame_rec)));
  if (!f) {
    report_alloc_failure(__LINE__, "frames", "new_frame");
    return -1;
  }
  Ctm_part[number] = f;
  Frame_order_list[Num_frames++] = number;
  if (name && name[0])
    copy_name(f->name, name, FRAME_NAME_LEN);
  else
    snprintf(f->name, sizeof f->name, "Coord. frame %d", number);
  f->selected = 1;
  set_identity_locals(f);
  int4x4(f->to_global);
  int4x4(f->to_frame);
  modify_frame(number, attrs);
  if (old != number) update_tools_position_frame_change(old, number);
  return number;
}

// The compressed part list expanded into part numbers that have records.
static std::vector<int> expanded_parts(int count, const int *list) {
  std::vector<int> out;
  if (count <= 0 || !list) return out;
  int room = count;
  for (int k = 0; k < count; k++)
    if (const Part_rec *p = part_by_number(list[k])) room += p->children_count;
  out.resize((size_t)room + (size_t)Num_p_loaded);
  int n = 0;
  uncompress_part_list(count, &n, list, out.data());
  out.resize((size_t)n);
  std::vector<int> kept;
  for (int number : out)
    if (part_by_number(number)) kept.push_back(number);
  return kept;
}

void local_ctm_init(int count, const int *list, int frame) {
  Frame_rec *f = record_of(frame);
  if (!f) return;
  float box[6] = {0, 0, 0, 0, 0, 0};
  bool any = false;
  for (int number : expanded_parts(count, list)) {
    int i = Part_cross[number];
    if (i < 0 || !parts[i]) continue;
    if (parts[i]->xmin == -99.0f && parts[i]->ymin == -99.0f) find_bounding_volume(i);
    const Part_rec *p = parts[i];
    const float e[6] = {p->xmin, p->xmax, p->ymin, p->ymax, p->zmin, p->zmax};
    for (int c = 0; c < 3; c++) {
      if (!any || e[2 * c] < box[2 * c]) box[2 * c] = e[2 * c];
      if (!any || e[2 * c + 1] > box[2 * c + 1]) box[2 * c + 1] = e[2 * c + 1];
    }
    any = true;
  }
  set_identity_locals(f);
  float *a = f->attributes;
  for (int c = 0; c < 3; c++) {
    a[2 + c] = (box[2 * c] + box[2 * c + 1]) * 0.5f;
    a[FRAME_POINTS + c] = a[2 + c];
  }
  // Points 1, 3 and 4 along the global axes.
  const int point_slot[3] = {3, 9, 12};
  for (int k = 0; k < 3; k++)
    for (int c = 0; c < 3; c++)
      a[FRAME_POINTS + point_slot[k] + c] = a[2 + c] + (c == k ? a[FRAME_LEN_X + k] * 1.2f : 0.0f);
  corner_point(a);
  frame_matrices(f);
}

// A model or particle part made by periodicity from another part: a part
// that is no copy and whose single child is its base part.
static bool is_periodic_instance(const Part_rec *p) {
  return (p->type == PART_MODEL || p->type == PART_DISCRETE) && !p->group && p->copy_of == 0 &&
         p->children_count == 1 && p->children && p->children[0] != p->number;
}

static bool model_or_particles(const Part_rec *p) {
  return p->type == PART_MODEL || p->type == PART_DISCRETE;
}

static int frame_of(const Part_rec *p) {
  return p->attributes ? our_rint(p->attributes[SLOT_FRAME]) : 0;
}

// The periodicity read with an N3S case goes into the target frame.
static void copy_case_periodicity(int case_index, int frame) {
  float a[FRAME_ATTR_WORDS];
  char name[FRAME_NAME_LEN];
  if (frame_attributes(frame, a, name, 0) < 0) return;
  if (Kperio[case_index] == 1) {
    for (int c = 0; c < 3; c++) a[40 + c] = Pasper[c][case_index];
  } else if (Kperio[case_index] == 2) {
    a[28] = Pasper[0][case_index];
  } else {
    return;
  }
  frame_attributes(frame, a, name, 1);
}

int assign_frame(int count, const int *list, int frame) {
  if (!record_of(frame)) return -1;
  std::vector<int> kept;
  bool refused = false;
  for (int number : expanded_parts(count, list)) {
    const Part_rec *p = part_by_number(number);
    if (model_or_particles(p) && is_periodic_instance(p) && frame_of(p) != frame) {
      refused = true;
      continue;
    }
    kept.push_back(number);
  }
  if (refused) return -1;

  std::vector<int> dependent;
  for (int number : kept) {
    const Part_rec *p = part_by_number(number);
    if (model_or_particles(p) && (is_frame_periodic(frame_of(p)) || is_frame_periodic(frame)))
      dependent.push_back(number);
  }
  if (!dependent.empty()) {
    check_var_part_dependency((int)dependent.size(), dependent.data());
    for (int number : dependent) add_part_to_dependency_list(number);
  }

  bool periodicity_copied = false;
  for (int number : kept) {
    Part_rec *p = part_by_number(number);
    float a[PART_ATTR_SLOTS];
    if (part_attributes(number, p->type, a, nullptr, nullptr, nullptr, 0) < 0) continue;
    int old = our_rint(a[SLOT_FRAME]);
    bool old_periodic = is_frame_periodic(old), new_periodic = is_frame_periodic(frame);
    a[SLOT_FRAME] = (float)frame;
    part_attributes(number, p->type, a, nullptr, nullptr, nullptr, 1);
    if (!periodicity_copied && p->type == PART_MODEL && p->case_index >= 0 &&
        p->case_index < MAX_CASES && Data_format[p->case_index] == 3) {
      periodicity_copied = true;
      copy_case_periodicity(p->case_index, frame);
    }
    if (!model_or_particles(p)) continue;
    int one = number;
    if (old_periodic && !new_periodic && has_active_symmetry(old)) do_periodicity(frame, 1, &one);
    one = number;
    if (new_periodic && has_active_symmetry(frame)) do_periodicity(frame, 1, &one);
  }

  if (!dependent.empty()) {
    update_var_part_dependency();
    execute_and_update_dependency();
  }
  if (!kept.empty()) redraw_frames_change();
  return 1;
}

int delete_local_ctm(int frame) {
  Frame_rec *f = record_of(frame);
  if (!f) return -2;
  if (frame == 0) {
    disperr("Frame 0 cannot be deleted.");
    return FRAME_DELETE_REFUSED;
  }
  for (int i = 0; i < Num_p_loaded; i++) {
    const Part_rec *p = parts[i];
    if (p && !p->group && frame_of(p) == frame) return i;
  }
  list_a_display(frame, 0.0f);
  int at = given_frame_number_return_list_position(frame);
  if (at >= 0) {
    memmove(Frame_order_list + at, Frame_order_list + at + 1,
            sizeof(int) * (size_t)(Num_frames - at - 1));
    Num_frames--;
  }
  free(f);
  Ctm_part[frame] = nullptr;
  return -1;
}

// ---- selection -------------------------------------------------------------------

int get_current_frame_selected(int *number) {
  int count = 0, single = 0;
  for (int n = 0; n < MAX_FRAMES; n++)
    if (Ctm_part[n] && Ctm_part[n]->selected) {
      count++;
      single = n;
    }
  *number = count == 1 ? single : 0;
  return count;
}

int current_selected_frames(int *count, int *list, int mode) {
  if (mode == 0) {
    int n = 0;
    for (int f = 0; f < MAX_FRAMES; f++)
      if (Ctm_part[f] && Ctm_part[f]->selected) list[n++] = f;
    *count = n;
  } else if (mode == 1) {
    int old = 0;
    get_current_frame_selected(&old);
    for (Frame_rec *f : Ctm_part)
      if (f) f->selected = 0;
    for (int k = 0; k < *count; k++)
      if (Frame_rec *f = record_of(list[k])) f->selected = 1;
    int now = *count == 1 ? list[0] : 0;
    if (old != now) update_tools_position_frame_change(old, now);
  }
  return 1;
}

void select_all_frames() {
  std::vector<int> all;
  for (int f = 0; f < MAX_FRAMES; f++)
    if (Ctm_part[f]) all.push_back(f);
  if (!all.empty()) {
    int n = (int)all.size();
    current_selected_frames(&n, all.data(), 1);
  }
  viewports_display_all();
}

void update_tools_position_frame_change(int old_frame, int new_frame) {
  Tool_values tools;
  getfdbk(old_frame, tools.cursor, tools.line, tools.plane, tools.coefficients);
  setfdbk(new_frame, tools.cursor, tools.line, tools.plane, tools.coefficients, 0);
  for (int k = 0; k < 4; k++) {
    Tool_values::Quadric &q = tools.quadric[k];
    getfdbk_curve_tool(old_frame, q.origin, q.axis, &q.radius, q.radii, q.distances, &q.points,
                       Quadric_kinds[k]);
    setfdbk_curve_tool(new_frame, q.origin, q.axis, q.radius, q.radii, q.distances, q.points,
                       q.origin, 0, Quadric_kinds[k]);
  }
  if (Curson || Lineon || Planon || Curve_clip_tool != 0) redraw_frames_change();
}

// ---- interaction -----------------------------------------------------------------

// The turn angles (degrees) a drag gives for an axis kind, from the frame's
// x and y axis extents: a drag across twice an extent turns by 180 degrees.
// Kinds 1 and 2 give angle_y and angle_x alone; kinds 0 and 3 both.
static void drag_angles(int axis_kind, float dx, float dy, float dz, const float x_axis[3], const float y_axis[3], float len_a, float len_b,
                        float *angle_x, float *angle_y) {
  float X[3], Y[3];
  for (int c = 0; c < 3; c++) {
    X[c] = len_a * x_axis[c];
    Y[c] = len_b * y_axis[c];
  }
  float span_x = 2.0f * std::sqrt(X[0] * X[0] + X[1] * X[1] + X[2] * X[2]);
  float span_y = 2.0f * std::sqrt(Y[0] * Y[0] + Y[1] * Y[1] + Y[2] * Y[2]);
  unit(X);
  unit(Y);
  float u[3] = {dx, dy, dz};
  float d = std::sqrt(dx * dx + dy * dy + dz * dz);
  unit(u);
  float ux = u[0] * X[0] + u[1] * X[1] + u[2] * X[2];
  float uy = u[0] * Y[0] + u[1] * Y[1] + u[2] * Y[2];
  float ay = span_x > 0.0f ? 180.0f * d * ux / span_x : 0.0f;
  float ax = span_y > 0.0f ? -180.0f * d * uy / span_y : 0.0f;
  *angle_x = axis_kind == 1 ? 0.0f : ax;
  *angle_y = axis_kind == 2 ? 0.0f : ay;
}

// A move of the origin by the drag, or by the replayed values.
static void drag_move(float dx, float dy, float dz, float origin[3], float *angle_x, float *angle_y,
                      float *angle_z, int replay) {
  if (replay) {
    dx = *angle_x;
    dy = *angle_y;
    dz = *angle_z;
  } else {
    *angle_x = dx;
    *angle_y = dy;
    *angle_z = dz;
  }
  origin[0] += dx;
  origin[1] += dy;
  origin[2] += dz;
}

void modify_frame_coordinates(int action, int axis_kind, int to_z, float dx, float dy, float dz,
                              float origin[3], float x_axis[3], float y_axis[3], float z_axis[3],
                              float len_a, float len_b, float, float *angle_x, float *angle_y,
                              float *angle_z, int replay, int planar) {
  if (action == 1) {
    if (planar == 1) {
      *angle_z = 0.0f;
      dz = 0.0f;
    }
    drag_move(dx, dy, dz, origin, angle_x, angle_y, angle_z, replay);
    return;
  }
  if (action != 0) return;
  float p[4][3];
  for (int c = 0; c < 3; c++) {
    p[0][c] = origin[c];
    p[1][c] = p[0][c] + len_a * x_axis[c];
    p[2][c] = p[1][c] + len_b * y_axis[c];
    p[3][c] = p[0][c] + len_b * y_axis[c];
  }
  if (!replay && axis_kind >= 0 && axis_kind <= 3) {
    float ax = 0.0f, ay = 0.0f;
    drag_angles(axis_kind, dx, dy, dz, x_axis, y_axis, len_a, len_b, &ax, &ay);
    *angle_z = 0.0f;
    if (to_z) {
      *angle_z = ax + ay;
      ax = ay = 0.0f;
    }
    if (planar) ax = ay = 0.0f;
    *angle_x = ax;
    *angle_y = ay;
  }
  float m[16], align[16], back[16];
  arbaxi(p[0], p[1], p[2], p[3], m, align, back, *angle_x, *angle_y, *angle_z);
  for (float *q : p) premlt(m, q);
  for (int c = 0; c < 3; c++) {
    x_axis[c] = p[1][c] - p[0][c];
    y_axis[c] = p[3][c] - p[0][c];
  }
  unit(x_axis);
  unit(y_axis);
  cross_p(x_axis, y_axis, z_axis);
  unit(z_axis);
}

void modify_local_transform(int kind, float dx, float dy, float dz, float origin[3],
                            float x_dir[3], float y_dir[3], float, float len_a, float len_b,
                            float, float *angle_x, float *angle_y, float *angle_z, int replay) {
  if (kind == 0) {
    drag_move(dx, dy, dz, origin, angle_x, angle_y, angle_z, replay);
    return;
  }
  if (replay || kind < 1 || kind > 3) return;
  float ax = 0.0f, ay = 0.0f;
  drag_angles(kind == 3 ? 0 : kind, dx, dy, dz, x_dir, y_dir, len_a, len_b, &ax, &ay);
  *angle_z = 0.0f;
  if (kind == 3) {
    *angle_z = ax + ay;
    ax = ay = 0.0f;
  }
  *angle_x = ax;
  *angle_y = ay;
}
