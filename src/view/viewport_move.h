// The interactive viewport move and resize of viewport-editing mode: which
// handle of a viewport the pointer is on, the rectangle a drag gives, the
// command lines a finished drag records, and the modal loop
// (viewport_move_manage, declared in viewports.h) that runs them while the
// pointer is in the graphics window.  Rectangles are {x, y, w, h} in
// fractions of the graphics window.
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

// What the loop needs of the window system (null pointer: the loop returns at
// once).  Installed by the Motif layer.
enum {
  VP_EVENT_NONE = 0,      // nothing pending
  VP_EVENT_KEY = 1,       // a key of the main graphics window, taken from the queue
  VP_EVENT_CROSSING = 2,  // the pointer entered or left the window: the loop ends
  VP_EVENT_OTHER = 3,     // any other event, already dispatched
};
struct Viewport_move_hooks {
  // The pointer on display 0's screen in pixels, y up (the frame of the
  // bounds grasal keeps); *left 1 while the left button, or a middle or
  // right button whose role is 10, is down; *control 1 while Control is
  // held.  0 when it cannot be read.
  int (*pointer)(int *x, int *y, int *left, int *control);
  // Shows cursor shape (set_cursor_icon codes, 0 the default pointer) in
  // the main graphics window.
  void (*cursor)(int shape);
  // Takes the next pending event (a VP_EVENT_* kind).  For a key, *key is
  // its mapped code (127 Delete, 7050 Alt, 7051 Control, 32 space) and
  // *press 1 on press, 0 on release; the key-state flags are kept by the
  // hook.
  int (*next_event)(int *key, int *press);
};
extern Viewport_move_hooks Viewport_move_windep;
