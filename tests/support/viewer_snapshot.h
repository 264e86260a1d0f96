// The current viewport's viewer read in one go, for tests that compare it
// before and after a change.
#pragma once

#include <cmath>

#include "view/viewer_state.h"

namespace qtest {

struct ViewerSnapshot {
  float at[3], from[3], distance;
};

inline ViewerSnapshot viewer_snapshot() {
  ViewerSnapshot v{};
  float view[16];
  view_param(v.at, v.from, view, &v.distance, 0);
  return v;
}

// The distance between two points.
inline float distance3(const float *a, const float *b) {
  return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) +
                   (a[2] - b[2]) * (a[2] - b[2]));
}

}  // namespace qtest
