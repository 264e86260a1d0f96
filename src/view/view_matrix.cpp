// Identity of the view transforms' 4x4 matrices.
#include "view/view_matrix.h"

void int4x4(float m[16]) {
  for (int i = 0; i < 16; i++) m[i] = (i % 5 == 0) ? 1.0f : 0.0f;
}
