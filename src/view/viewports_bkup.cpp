// The "viewports_view" archive section (see view_bkup.h).  Owns nothing: it
// writes and reads the viewport table of viewports.h and the links of
// viewport_select.h, field by field.
//
// Section body, every word big-endian (6008 bytes):
//   float version 10.0 (not examined when read)
//   int   part dialogs' viewport mask, Num_active_viewports, Num_viewports_overlapping
//   float Viewport_defaults[40]
//   16 records of 356 bytes: name (80 bytes), 40 floats, ints 2-D flag, in
//         use, selected, x0, x1, y0, y1, blend edit level, 4 floats plane,
//         int 2-D check pending, 16 floats 2-D matrix
//   int   Viewport_display_order[16]
//   int   Viewport_link_count, Viewport_copy_from
//   int   Viewport_link_flags[16]
#include <cerrno>
#include <cstring>

#include "render/disobj.h"
#include "state/bkup_section.h"
#include "state/bkup_words.h"
#include "view/view_bkup.h"
#include "view/view_cmdproc.h"
#include "view/viewport_select.h"
#include "view/viewports.h"

namespace {

const float Version = 10.0f;

int failed(FILE *fp) {
  if (fp && !ferror(fp)) errno = EIO;
  perror("viewports_bkup:");
  return -1;
}

bool put_record(FILE *fp, const Viewport_rec &r) {
  const int words[8] = {r.two_d, r.in_use, r.selected, r.x0, r.x1, r.y0, r.y1, r.blend_edit_level};
  return fwrite(r.name, 1, VIEWPORT_NAME_TEXT, fp) == VIEWPORT_NAME_TEXT &&
         bkup_put_floats(fp, r.attributes, VIEWPORT_ATTRS) && bkup_put_ints(fp, words, 8) &&
         bkup_put_floats(fp, r.plane, 4) && bkup_put_int(fp, r.two_d_check_pending) &&
         bkup_put_floats(fp, r.matrix_2d, 16);
}

// A record is taken whole or not at all.
bool get_record(FILE *fp, Viewport_rec *out) {
  Viewport_rec r;
  int words[8];
  if (fread(r.name, 1, VIEWPORT_NAME_TEXT, fp) != VIEWPORT_NAME_TEXT ||
      !bkup_get_floats(fp, r.attributes, VIEWPORT_ATTRS) || !bkup_get_ints(fp, words, 8) ||
      !bkup_get_floats(fp, r.plane, 4) || !bkup_get_int(fp, &r.two_d_check_pending) ||
      !bkup_get_floats(fp, r.matrix_2d, 16))
    return false;
  r.name[VIEWPORT_NAME_TEXT - 1] = '\0';
  r.two_d = words[0], r.in_use = words[1], r.selected = words[2];
  r.x0 = words[3], r.x1 = words[4], r.y0 = words[5], r.y1 = words[6];
  r.blend_edit_level = words[7];
  *out = r;
  return true;
}

int save(FILE *fp) {
  int mask = 0;
  viewport_vis_part_changed_pattern(&mask, 0);
  const int head[3] = {mask, Num_active_viewports, Num_viewports_overlapping};
  const int links[2] = {Viewport_link_count, Viewport_copy_from};
  if (!bkup_put_float(fp, Version) || !bkup_put_ints(fp, head, 3) ||
      !bkup_put_floats(fp, Viewport_defaults, VIEWPORT_ATTRS))
    return failed(nullptr);
  for (const Viewport_rec &r : Viewports)
    if (!put_record(fp, r)) return failed(nullptr);
  if (!bkup_put_ints(fp, Viewport_display_order, MAX_VIEWPORTS) || !bkup_put_ints(fp, links, 2) ||
      !bkup_put_ints(fp, Viewport_link_flags, MAX_VIEWPORTS))
    return failed(nullptr);
  return 1;
}

int reset() {
  viewport_start_defaults(Viewport_defaults);
  for (int v = 1; v < MAX_VIEWPORTS; v++) {
    Viewport_rec &r = Viewports[v];
    r.in_use = 0;
    r.blend_edit_level = 0;
    r.selected = 0;
    r.attributes[VP_VISIBLE] = 0.0f;
  }
  Viewport_copy_from = 0;
  Viewport_link_count = 0;
  memset(Viewport_link_flags, 0, sizeof Viewport_link_flags);
  Viewport_rec &main = Viewports[0];
  main.two_d = 0;
  main.two_d_check_pending = 0;
  main.selected = 1;
  main.in_use = 1;
  memcpy(main.attributes, Viewport_defaults, sizeof main.attributes);
  main.attributes[VP_ORIGIN_X] = main.attributes[VP_ORIGIN_Y] = 0.0f;
  main.attributes[VP_WIDTH] = main.attributes[VP_HEIGHT] = 1.0f;
  main.attributes[VP_BLEND_LEVELS] = 3.0f;
  Num_active_viewports = 1;
  Viewport_display_order[0] = 0;
  Num_viewports_overlapping = 0;
  Viewport_current = 0;
  Resort_transparent = 1;
  fix_up_viewport(1);
  Stencil_current_viewport = -1;
  return 1;
}

// The counts that index the tables: reset and refused when out of range.
int refuse_out_of_range(const char *what) {
  fprintf(stderr, "viewports_bkup: %s out of range; viewports reset.\n", what);
  reset();
  return -1;
}

// The first Num_active_viewports stacking entries: distinct viewports
// 0..15, viewport 0 among them.
bool valid_stacking(const int *order) {
  bool seen[MAX_VIEWPORTS] = {false};
  for (int i = 0; i < Num_active_viewports; i++) {
    if (order[i] < 0 || order[i] >= MAX_VIEWPORTS || seen[order[i]]) return false;
    seen[order[i]] = true;
  }
  return seen[0];
}

int restore(FILE *fp) {
  float version;
  int head[3];
  if (!bkup_get_float(fp, &version) || !bkup_get_ints(fp, head, 3)) return failed(fp);
  viewport_vis_part_changed_pattern(&head[0], 1);
  if (head[1] < 1 || head[1] > MAX_VIEWPORTS) return refuse_out_of_range("viewports in use");
  if (head[2] < 0 || head[2] > MAX_VIEWPORTS) return refuse_out_of_range("overlapping count");
  Num_active_viewports = head[1];
  Num_viewports_overlapping = head[2];
  if (!bkup_get_floats(fp, Viewport_defaults, VIEWPORT_ATTRS)) return failed(fp);
  for (Viewport_rec &r : Viewports)
    if (!get_record(fp, &r)) return failed(fp);
  Viewports[0].two_d = 0;  // the main viewport is three-dimensional whatever the file says
  int order[MAX_VIEWPORTS], links[2];
  if (!bkup_get_ints(fp, order, MAX_VIEWPORTS)) return failed(fp);
  if (!valid_stacking(order)) return refuse_out_of_range("stacking order");
  memcpy(Viewport_display_order, order, sizeof order);
  if (!bkup_get_ints(fp, links, 2)) return failed(fp);
  if (links[0] < 0 || links[0] > MAX_VIEWPORTS || links[1] < 0 || links[1] >= MAX_VIEWPORTS)
    return refuse_out_of_range("viewport links");
  Viewport_link_count = links[0];
  Viewport_copy_from = links[1];
  if (!bkup_get_ints(fp, Viewport_link_flags, MAX_VIEWPORTS)) return failed(fp);
  return 1;
}

}  // namespace

int view_bkup_dispatch(FILE *fp, int mode, const View_bkup_ops &ops) {
  switch (mode) {
    case BKUP_SAVE:
    case BKUP_SCENARIO_SAVE:
      return fp ? ops.save(fp, mode) : -1;
    case BKUP_RESTORE:
    case BKUP_SCENARIO_RESTORE:
      return fp ? ops.restore(fp, mode) : -1;
    case BKUP_RESET:
      return ops.reset();
    default:
      return 1;
  }
}

int viewports_bkup(FILE *fp, int mode) {
  return view_bkup_dispatch(fp, mode, {[](FILE *fp, int) { return save(fp); }, [](FILE *fp, int) { return restore(fp); }, reset});
}
