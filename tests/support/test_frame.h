// A coordinate frame put straight into the frame table for a test and taken
// out again: origin, unit axes and type, its two rigid matrices and
// identity local transformations, the other attributes those of a new frame.
#pragma once

#include <cstring>

#include "parts/attribute.h"
#include "view/frames.h"
#include "view/view_matrix.h"

namespace qtest {

// Frame 0, as the first graphics initialisation makes it, for tests that
// run without a graphics window; selected alone.
inline void ensure_frame_zero() {
  if (!Ctm_part[0]) {
    float attrs[FRAME_ATTR_WORDS];
    frame_attributes(-1, attrs, nullptr, 0);
    new_frame(attrs, "");
  }
  int none = 0;
  current_selected_frames(&none, &none, 1);
}

class Test_frame {
 public:
  // x and y are unit and perpendicular; z = x cross y.
  Test_frame(int number, const float origin[3], const float x[3], const float y[3], int type = 0)
      : number_(number), previous_(Ctm_part[number]) {
    memset(&rec_, 0, sizeof rec_);
    float defaults[FRAME_ATTR_WORDS];
    frame_attributes(-1, defaults, nullptr, 0);
    memcpy(rec_.attributes, defaults, sizeof defaults);
    float z[3];
    cross_p(x, y, z);
    float *a = rec_.attributes;
    a[1] = (float)type;
    for (int i = 0; i < 3; i++) {
      a[2 + i] = origin[i];
      a[5 + i] = x[i];
      a[8 + i] = y[i];
      a[11 + i] = z[i];
    }
    for (int v = 0; v < FRAME_VIEWPORTS; v++) {
      int4x4(rec_.rotation[v]);
      int4x4(rec_.translation[v]);
      int4x4(rec_.scale[v]);
      int4x4(rec_.combined[v]);
    }
    // Rows: the axes, then the origin; the inverse of a rigid matrix is its
    // transposed rotation and the turned, negated origin.
    const float *axes[3] = {x, y, z};
    int4x4(rec_.to_global);
    int4x4(rec_.to_frame);
    for (int r = 0; r < 3; r++)
      for (int c = 0; c < 3; c++) {
        rec_.to_global[4 * r + c] = axes[r][c];
        rec_.to_frame[4 * c + r] = axes[r][c];
      }
    for (int c = 0; c < 3; c++) {
      rec_.to_global[12 + c] = origin[c];
      rec_.to_frame[12 + c] =
          -(origin[0] * axes[c][0] + origin[1] * axes[c][1] + origin[2] * axes[c][2]);
    }
    Ctm_part[number] = &rec_;
  }
  ~Test_frame() { Ctm_part[number_] = previous_; }
  Test_frame(const Test_frame &) = delete;
  Test_frame &operator=(const Test_frame &) = delete;
  Frame_rec &rec() { return rec_; }

 private:
  int number_;
  Frame_rec *previous_;
  Frame_rec rec_;
};

}  // namespace qtest
