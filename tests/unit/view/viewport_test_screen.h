// A screen for the viewport tests without a display: it draws nothing and
// counts the full redraws (each one asks which window is current before it
// walks the displays); and the selection and stacking order as lists.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "client/command_dlog.h"
#include "client/screen.h"
#include "parts/attribute.h"
#include "view/observer.h"
#include "render/display.h"
#include "view/viewer_state.h"
#include "view/viewports.h"

namespace vptest {

inline int Redraws = 0;

inline int count_window_reads(int *code, int set, int *dpy) {
  if (!set) {
    Redraws++;
    *code = 0;
    *dpy = 0;
  }
  return 1;
}

// Installs the counting screen (until screen_install(nullptr)).
inline void install_counting_screen() {
  static Screen_ops ops;
  ops = Screen_ops{};
  ops.gl_window = count_window_reads;
  screen_install(&ops);
  Redraws = 0;
}

// The counting screen over a 400 x 300 window, the table as at start with
// the initial view around -1..1, viewport 0 selected alone.
inline void fresh_viewports() {
  install_counting_screen();
  int x0 = 0, x1 = 399, y0 = 0, y1 = 299;
  grasal(&x0, &x1, &y0, &y1, 0, 1);
  global_init_viewports();
  intvew(-1, 1, -1, 1, -1, 1);
  int count = 1, list[MAX_VIEWPORTS] = {0};
  current_selected_viewports(&count, list, 1);
  Redraws = 0;
}

// fresh_viewports, and the transformation settings as at start: global
// mode, rotate, all three axes, the start increments; nothing recorded.
inline void fresh_transforms() {
  fresh_viewports();
  What_trans = 0;
  Vewglb = 0;
  Vewaxis[0] = Vewaxis[1] = Vewaxis[2] = 1;
  observer_increments_default();
  Recrdr = 0;
}

// Runs the line; the result, and what went to the error box on the console.
inline int run(const std::string &line, std::string *err = nullptr) {
  testing::internal::CaptureStderr();
  int r = cmd_process(line.c_str());
  std::string e = testing::internal::GetCapturedStderr();
  if (err) *err = e;
  return r;
}

inline std::vector<int> selected() {
  int count = 0, list[MAX_VIEWPORTS];
  current_selected_viewports(&count, list, 0);
  return std::vector<int>(list, list + count);
}

inline std::vector<int> stacking() {
  return std::vector<int>(Viewport_display_order, Viewport_display_order + Num_active_viewports);
}

// The attributes a new frame takes.
inline std::vector<float> frame_defaults() {
  std::vector<float> a(FRAME_ATTR_WORDS);
  frame_attributes(-1, a.data(), nullptr, 0);
  return a;
}

}  // namespace vptest
