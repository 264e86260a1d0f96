// Frame 0, the global frame, is made by the first graphics initialisation;
// tests that run without it make it here, unselected.
#pragma once

#include "parts/attribute.h"
#include "view/frames.h"

inline void ensure_frame_zero() {
  if (does_frame_exist(0)) return;
  float attrs[FRAME_ATTR_WORDS];
  frame_attributes(-1, attrs, nullptr, 0);
  new_frame(attrs, "");
  int none = 0;
  current_selected_frames(&none, &none, 1);
}
