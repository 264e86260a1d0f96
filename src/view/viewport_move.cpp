// Interactive viewport move and resize: geometry and recording (see
// viewport_move.h).
#include "view/viewport_move.h"

#include <cstring>

#include "client/command_dlog.h"
#include "view/viewp_cmdproc.h"
#include "view/viewports.h"

namespace {

bool within(float v, float lo, float hi) { return lo <= v && v <= hi; }

}  // namespace

int viewport_handle_zone(const float rc[4], float fx, float fy, int *cursor) {
  const float x = rc[0], y = rc[1], r = rc[0] + rc[2], t = rc[1] + rc[3];
  const float in = 0.03f, out = 0.007f;
  const bool left_c = within(fx, x - out, x + in), right_c = within(fx, r - in, r + out);
  const bool bottom_c = within(fy, y - out, y + in), top_c = within(fy, t - in, t + out);
  struct Row {
    bool hit;
    int action, cursor;
  } rows[] = {
      {left_c && bottom_c, VP_DRAG_BOTTOM_LEFT, 3},
      {right_c && bottom_c, VP_DRAG_BOTTOM_RIGHT, 4},
      {left_c && top_c, VP_DRAG_TOP_LEFT, 1},
      {right_c && top_c, VP_DRAG_TOP_RIGHT, 2},
      {within(fy, y, t) && within(fx, x - out, x + out), VP_DRAG_LEFT, 6},
      {within(fy, y, t) && within(fx, r - out, r + out), VP_DRAG_RIGHT, 7},
      {within(fx, x, r) && within(fy, y - out, y + out), VP_DRAG_BOTTOM, 8},
      {within(fx, x, r) && within(fy, t - out, t + out), VP_DRAG_TOP, 5},
  };
  for (const Row &row : rows)
    if (row.hit) {
      if (cursor) *cursor = row.cursor;
      return row.action;
    }
  if (cursor) *cursor = 0;
  return VP_DRAG_MOVE;
}

void viewport_drag_rect(int action, const float start[4], float dx, float dy, float out[4]) {
  float x = start[0], y = start[1], w = start[2], h = start[3];
  const bool left = action == VP_DRAG_LEFT || action == VP_DRAG_BOTTOM_LEFT || action == VP_DRAG_TOP_LEFT;
  const bool right =
      action == VP_DRAG_RIGHT || action == VP_DRAG_BOTTOM_RIGHT || action == VP_DRAG_TOP_RIGHT;
  const bool bottom =
      action == VP_DRAG_BOTTOM || action == VP_DRAG_BOTTOM_LEFT || action == VP_DRAG_BOTTOM_RIGHT;
  const bool top = action == VP_DRAG_TOP || action == VP_DRAG_TOP_LEFT || action == VP_DRAG_TOP_RIGHT;
  if (action == VP_DRAG_MOVE) {
    x += dx;
    y += dy;
  }
  // A side dragged past the opposite one stops at the smallest size, the
  // opposite side staying where it was.
  if (left) {
    const float keep = x + w;
    w = w - dx < VIEWPORT_MIN_SIZE ? VIEWPORT_MIN_SIZE : w - dx;
    x = keep - w;
  }
  if (right) w = w + dx < VIEWPORT_MIN_SIZE ? VIEWPORT_MIN_SIZE : w + dx;
  if (bottom) {
    const float keep = y + h;
    h = h - dy < VIEWPORT_MIN_SIZE ? VIEWPORT_MIN_SIZE : h - dy;
    y = keep - h;
  }
  if (top) h = h + dy < VIEWPORT_MIN_SIZE ? VIEWPORT_MIN_SIZE : h + dy;
  if (w > 1.0f) w = 1.0f;
  if (h > 1.0f) h = 1.0f;
  if (x < 0.0f) x = 0.0f;
  if (y < 0.0f) y = 0.0f;
  if (x + w > 1.0f) x = 1.0f - w;
  if (y + h > 1.0f) y = 1.0f - h;
  out[0] = x, out[1] = y, out[2] = w, out[3] = h;
}

void viewport_move_record(const int *sel, int n) {
  for (int i = 0; i < n; i++) {
    const int v = sel[i];
    if (v < 0 || v >= MAX_VIEWPORTS) continue;
    if (n > 1) cmd_rec_selbynum(viewp_category(), 1, &sel[i]);
    float old[VIEWPORT_ATTRS], newv[VIEWPORT_ATTRS];
    int flags[VIEWPORT_ATTRS] = {};
    memcpy(newv, Viewports[v].attributes, sizeof newv);
    for (int s = 0; s < VIEWPORT_ATTRS; s++) old[s] = -1.0f;
    for (int s = VP_ORIGIN_X; s <= VP_HEIGHT; s++) flags[s] = 1;
    cmd_setrec_at(old, newv, VIEWPORT_ATTRS, viewp_category(), flags, 1);
  }
  if (n > 1) cmd_rec_selbynum(viewp_category(), n, sel);
}
