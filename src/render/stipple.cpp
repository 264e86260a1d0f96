// Line and polygon stipples (see stipple.h).
#include "render/stipple.h"

#include <cstdint>

namespace {

const unsigned short Line_patterns[6] = {0xffff, 0xcccc, 0xffc0, 0xffcc, 0xffcc, 0xffcc};

// Rows repeat with the period of each pattern's row list.
struct Mask {
  unsigned char bytes[128];
  Mask(const uint32_t *rows, int period) : bytes() {
    for (int r = 0; r < 32; r++)
      for (int b = 0; b < 4; b++) bytes[4 * r + b] = (unsigned char)(rows[r % period] >> (24 - 8 * b));
  }
};

const uint32_t Full[1] = {0xffffffffu};
const uint32_t Hatch[4] = {0xccccccccu, 0xccccccccu, 0x33333333u, 0x33333333u};
const uint32_t Checker[2] = {0xaaaaaaaau, 0x55555555u};
const uint32_t Sparse[4] = {0x55555555u, 0x22222222u, 0x55555555u, 0x88888888u};

}  // namespace

unsigned short line_style_pattern(int s) { return s >= 0 && s < 6 ? Line_patterns[s] : 0; }

const unsigned char *poly_style_pattern(int f) {
  static const Mask masks[4] = {Mask(Full, 1), Mask(Hatch, 4), Mask(Checker, 2), Mask(Sparse, 4)};
  return f >= 0 && f < 4 ? masks[f].bytes : nullptr;
}
