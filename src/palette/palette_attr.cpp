// Legend settings per palette (see palette_attr.h).
#include "palette/palette_attr.h"

#include <map>

// Visibility by legend id (palette x 1000 + component).
static std::map<int, float> Legend_visible;

int palette_attributes(int palette, int component, float *settings, char *, char *, int mode) {
  if (palette < 0 || component < 0 || component > 3 || !settings) return -1;
  const int id = palette * 1000 + component;
  if (mode == 1) {
    Legend_visible[id] = settings[0];
  } else {
    auto it = Legend_visible.find(id);
    settings[0] = it == Legend_visible.end() ? 0.0f : it->second;
  }
  return 1;
}

void palette_attributes_clear() { Legend_visible.clear(); }

void check_auto_legend_replace() {}
