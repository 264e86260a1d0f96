// The current viewport's viewer read in one go, for tests that compare it
// before and after a change.
#pragma once

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

}  // namespace qtest
