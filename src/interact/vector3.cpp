// Small 3-vector helpers of the interaction tools.
#include "interact/vector3.h"

#include <cmath>

float normlz(float v[3]) {
  double len = std::sqrt((double)v[0] * v[0] + (double)v[1] * v[1] + (double)v[2] * v[2]);
  if (len > 0.0)
    for (int i = 0; i < 3; i++) v[i] = (float)(v[i] / len);
  return (float)len;
}

float to_degrees(float radians) { return radians * 57.295779513f; }
