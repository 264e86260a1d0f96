// The saved-view file (see saved_view.h).  Owns nothing: it reads and writes
// the frame table (frames.h), the model transformations (view_matrix.h),
// the viewers (viewer_state.h) and the 2-D data of the viewport records.
// The file is big-endian on every machine, so files written on big-endian
// workstations read the same here.
#include "view/saved_view.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "client/screen.h"
#include "render/redraw.h"
#include "state/bkup_words.h"
#include "view/viewer_services.h"
#include "view/viewer_state.h"
#include "view/viewports.h"

namespace {

const int Old_form_below = 55;  // first ints below this: no version word
const int Flag_from = 56;       // versions from this on carry the 2-D part

// The matrix sets of a frame record, in file order.
bool put_matrices(FILE *fp, const Matrix_4x4_rec *m, int n) {
  for (int i = 0; i < n; i++)
    if (!bkup_put_floats(fp, m[i], 16)) return false;
  return true;
}
bool get_matrices(FILE *fp, Matrix_4x4_rec *m, int n) {
  for (int i = 0; i < n; i++)
    if (!bkup_get_floats(fp, m[i], 16)) return false;
  return true;
}

// A short read with no system error still reports something sensible.
int failed(const char *who, FILE *fp) {
  if (fp && !ferror(fp)) errno = EIO;
  perror(who);
  return -1;
}

// One viewport block as it stands in the file.
struct View_block {
  float scale[16], rotation[16], translation[16];
  float angle, front, back;
  float at[3], from[3], distance, view[16];
  int two_d = 0;
  float plane[4];
  float matrix_2d[16];
};

bool put_block(FILE *fp, const View_block &b) {
  if (!bkup_put_floats(fp, b.scale, 16) || !bkup_put_floats(fp, b.rotation, 16) ||
      !bkup_put_floats(fp, b.translation, 16) || !bkup_put_float(fp, b.angle) ||
      !bkup_put_float(fp, b.front) || !bkup_put_float(fp, b.back) ||
      !bkup_put_floats(fp, b.at, 3) || !bkup_put_floats(fp, b.from, 3) ||
      !bkup_put_float(fp, b.distance) || !bkup_put_floats(fp, b.view, 16) ||
      !bkup_put_int(fp, b.two_d))
    return false;
  if (b.two_d != 1) return true;
  for (float c : b.plane)
    if (!bkup_put_float(fp, c)) return false;
  return bkup_put_floats(fp, b.matrix_2d, 16);
}

bool get_block(FILE *fp, int version, View_block *b) {
  if (!bkup_get_floats(fp, b->scale, 16) || !bkup_get_floats(fp, b->rotation, 16) ||
      !bkup_get_floats(fp, b->translation, 16) || !bkup_get_float(fp, &b->angle) ||
      !bkup_get_float(fp, &b->front) || !bkup_get_float(fp, &b->back) ||
      !bkup_get_floats(fp, b->at, 3) || !bkup_get_floats(fp, b->from, 3) ||
      !bkup_get_float(fp, &b->distance) || !bkup_get_floats(fp, b->view, 16))
    return false;
  if (version < Flag_from) return true;
  if (!bkup_get_int(fp, &b->two_d)) return false;
  if (b->two_d != 1) return true;
  return bkup_get_floats(fp, b->plane, 4) && bkup_get_floats(fp, b->matrix_2d, 16);
}

// The current viewport's state into a block.
void take_block(int v, View_block *b) {
  ctm_transforms(b->scale, b->rotation, b->translation, 0);
  perspective_angle(&b->angle, 0);
  zclipp_locat(&b->front, &b->back, 0);
  view_param(b->at, b->from, b->view, &b->distance, 0);
  const Viewport_rec &vp = Viewports[v];
  b->two_d = vp.two_d;
  memcpy(b->plane, vp.plane, sizeof b->plane);
  memcpy(b->matrix_2d, vp.matrix_2d, sizeof b->matrix_2d);
}

// A block into the current viewport: the transforms and the viewer, then
// the combined matrix and the viewing matrix rebuilt from them.  The 2-D
// part only when the file has one; viewport 0 is kept three-dimensional and
// the dimension slot follows the flag.
void apply_block(int v, int version, View_block &b) {
  ctm_transforms(b.scale, b.rotation, b.translation, 1);
  perspective_angle(&b.angle, 1);
  zclipp_locat(&b.front, &b.back, 1);
  view_param(b.at, b.from, b.view, &b.distance, 1);
  float m[16];
  int4x4(m);
  ctm_transforms(b.scale, b.rotation, b.translation, 1);
  rotvew(0.0f, 0.0f, 0.0f, b.at, m, b.view);
  view_param(b.at, b.from, b.view, &b.distance, 1);
  vewvew(b.at, b.from, &b.distance, m, b.view);
  current_ctm(m, 1);
  if (version < Flag_from || v == 0) return;
  Viewport_rec &vp = Viewports[v];
  const bool was_2d = vp.two_d == 1;
  vp.two_d = b.two_d == 1 ? 1 : 0;
  vp.attributes[VP_VIEW_DIMENSION] = vp.two_d ? 0.0f : 1.0f;
  if (vp.two_d) {
    memcpy(vp.plane, b.plane, sizeof vp.plane);
    memcpy(vp.matrix_2d, b.matrix_2d, sizeof vp.matrix_2d);
    recheck_all_parts_against_2d_viewport(v);
  } else if (was_2d) {
    int4x4(vp.matrix_2d);
  }
}

// The file's frame list: n numbers, each 0..MAX_FRAMES-1 and none twice.
bool valid_frame_list(const int *numbers, int n) {
  std::vector<char> seen(MAX_FRAMES, 0);
  for (int k = 0; k < n; k++) {
    int m = numbers[k];
    if (m < 0 || m >= MAX_FRAMES || seen[(size_t)m]) return false;
    seen[(size_t)m] = 1;
  }
  return true;
}

// Reads the frames part after has_frames: 1, 0 refused before anything
// changed, -1 after a short read (records read before it stay).
int read_frames(FILE *fp) {
  int n = 0;
  if (!bkup_get_int(fp, &n)) return failed("rstvew:", fp);
  if (n < 0 || n > MAX_FRAMES) {
    fprintf(stderr, "rstvew: the file lists %d frames, more than a table can hold.\n", n);
    return 0;
  }
  int *numbers = static_cast<int *>(calloc((size_t)n + 1, sizeof(int)));
  if (!numbers) {
    report_alloc_failure(__LINE__, __FILE__, "rstvew:");
    return 0;
  }
  if (!bkup_get_ints(fp, numbers, n)) {
    free(numbers);
    return failed("rstvew:", fp);
  }
  if (!valid_frame_list(numbers, n)) {
    fprintf(stderr, "rstvew: the file's frame list is not a list of distinct frame numbers.\n");
    free(numbers);
    return 0;
  }
  int result = 1;
  Frame_rec *record = static_cast<Frame_rec *>(calloc(1, sizeof(Frame_rec)));
  for (int k = 0; k < n && result == 1; k++) {
    const int m = numbers[k];
    if (!record || !frame_rec_read(fp, record)) {
      result = record ? failed("rstvew:", fp) : -1;
      if (!record) report_alloc_failure(__LINE__, __FILE__, "rstvew:");
      break;
    }
    if (!Ctm_part[m]) {
      Ctm_part[m] = static_cast<Frame_rec *>(Frame_calloc(1, sizeof(Frame_rec)));
      if (!Ctm_part[m]) {
        report_alloc_failure(__LINE__, __FILE__, "rstvew:");
        result = -1;
        break;
      }
    }
    *Ctm_part[m] = *record;
    if (!does_frame_exist(m)) Frame_order_list[Num_frames++] = m;
    list_a_display(m, record->attributes[0]);
  }
  free(record);
  free(numbers);
  return result;
}

}  // namespace

bool frame_rec_write(FILE *fp, const Frame_rec &f) {
  return fwrite(f.name, 1, FRAME_NAME_LEN, fp) == FRAME_NAME_LEN &&
         bkup_put_floats(fp, f.attributes, FRAME_SLOTS) &&
         put_matrices(fp, f.rotation, FRAME_VIEWPORTS) &&
         put_matrices(fp, f.translation, FRAME_VIEWPORTS) &&
         put_matrices(fp, f.scale, FRAME_VIEWPORTS) &&
         put_matrices(fp, f.combined, FRAME_VIEWPORTS) && put_matrices(fp, &f.to_global, 1) &&
         put_matrices(fp, &f.to_frame, 1) && bkup_put_int(fp, f.selected);
}

bool frame_rec_read(FILE *fp, Frame_rec *out) {
  Frame_rec f;
  if (fread(f.name, 1, FRAME_NAME_LEN, fp) != FRAME_NAME_LEN ||
      !bkup_get_floats(fp, f.attributes, FRAME_SLOTS) ||
      !get_matrices(fp, f.rotation, FRAME_VIEWPORTS) ||
      !get_matrices(fp, f.translation, FRAME_VIEWPORTS) ||
      !get_matrices(fp, f.scale, FRAME_VIEWPORTS) ||
      !get_matrices(fp, f.combined, FRAME_VIEWPORTS) || !get_matrices(fp, &f.to_global, 1) ||
      !get_matrices(fp, &f.to_frame, 1) || !bkup_get_int(fp, &f.selected))
    return false;
  f.name[FRAME_NAME_LEN - 1] = '\0';
  *out = f;
  return true;
}

int savvew(const char *path) {
  FILE *fp = path ? fopen(path, "wb") : nullptr;
  if (!fp) return -1;
  bool ok = bkup_put_int(fp, SAVED_VIEW_VERSION);
  if (ok && Num_frames < 1) {
    ok = bkup_put_int(fp, 0);
  } else if (ok) {
    ok = bkup_put_int(fp, 1) && bkup_put_int(fp, Num_frames) &&
         bkup_put_ints(fp, Frame_order_list, Num_frames);
    for (int k = 0; ok && k < Num_frames; k++)
      ok = frame_rec_write(fp, *frame_record(Frame_order_list[k]));
  }
  const int saved = Viewport_current;
  for (int v = 0; ok && v < MAX_VIEWPORTS; v++) {
    Viewport_current = v;
    View_block b;
    take_block(v, &b);
    ok = put_block(fp, b);
  }
  Viewport_current = saved;
  if (fclose(fp) != 0) ok = false;
  return ok ? 1 : failed("savvew:", nullptr);
}

int rstvew(const char *path) {
  FILE *fp = path ? fopen(path, "rb") : nullptr;
  if (!fp) return -1;
  int version = 0, has_frames = 0;
  if (!bkup_get_int(fp, &version)) {
    failed("rstvew:", fp);
    fclose(fp);
    return -1;
  }
  if (version < Old_form_below) rewind(fp);
  if (!bkup_get_int(fp, &has_frames)) {
    failed("rstvew:", fp);
    fclose(fp);
    return -1;
  }
  if (has_frames != 0 && read_frames(fp) != 1) {
    fclose(fp);
    return -1;
  }
  const int saved = Viewport_current;
  bool ok = true;
  for (int v = 0; ok && v < MAX_VIEWPORTS; v++) {
    Viewport_current = v;
    View_block b;
    ok = get_block(fp, version, &b);
    if (ok) apply_block(v, version, b);
  }
  Viewport_current = saved;
  if (!ok) failed("rstvew:", fp);
  fclose(fp);
  if (!ok) return -1;
  // Each viewport's apply loaded its model-view; the current one's is drawn.
  fix_up_viewport(1);
  if (Num_active_viewports == 1)
    display_all();
  else
    viewports_display_all();
  return 1;
}
