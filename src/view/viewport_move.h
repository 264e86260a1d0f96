// Geometry and recording of the interactive viewport move and resize of the
// viewport-editing mode: which handle of a viewport the pointer is on, the
// rectangle a drag gives, and the command lines a finished drag records.
// Rectangles are {x, y, w, h} in fractions of the graphics window.
#pragma once

#define VIEWPORT_MIN_SIZE 0.01f  // smallest width or height a resize leaves

enum {
  VP_DRAG_MOVE = -1,          // no handle: a drag moves the viewport
  VP_DRAG_LEFT = 0,
  VP_DRAG_RIGHT = 1,
  VP_DRAG_BOTTOM = 2,
  VP_DRAG_TOP = 3,
  VP_DRAG_BOTTOM_LEFT = 4,
  VP_DRAG_BOTTOM_RIGHT = 5,
  VP_DRAG_TOP_RIGHT = 6,
  VP_DRAG_TOP_LEFT = 7,
};

// The handle of rectangle r under the window fraction (fx, fy): a
// VP_DRAG_* action, VP_DRAG_MOVE for none; *cursor (may be null) receives
// the cursor code of that handle (0 the default pointer).  Corners reach
// 0.03 inwards and 0.007 outwards, edges 0.007 either way; corners first.
int viewport_handle_zone(const float r[4], float fx, float fy, int *cursor);
// The rectangle out that the drag (dx, dy) gives from rectangle start:
// action VP_DRAG_MOVE moves it, any other moves the sides of its handle;
// then clamped to the window.  A side dragged past the opposite one stops
// VIEWPORT_MIN_SIZE short of it.
void viewport_drag_rect(int action, const float start[4], float dx, float dy, float out[4]);
// Records a finished drag of the n selected viewports sel: for each its
// "origin_x", "origin_y", "width" and "height" lines, each preceded by its
// own selection and followed by the whole selection when n > 1.
void viewport_move_record(const int *sel, int n);
