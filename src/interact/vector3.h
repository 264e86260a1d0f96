// Small 3-vector helpers of the interaction tools.
#pragma once

// Normalises v in place and returns its former length; a vector of length 0
// is left unchanged.
float normlz(float v[3]);
// Radians to degrees (factor 57.295779513).
float to_degrees(float radians);
